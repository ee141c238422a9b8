# Inspects the built engine library without running it. tivex.dll, with MinGW's objdump:
#   CHECK=exports  exactly the three decorated entry points are exported, and the library
#                  needs nothing beside it but DLLs every Windows has;
#   CHECK=stdcall  (32-bit) every return of each entry point removes exactly its
#                  arguments from the stack, as a standard-call function must: a caller
#                  that expects it would otherwise run on with a corrupted stack.
#   cmake -DDLL=tivex.dll -DOBJDUMP=i686-w64-mingw32-objdump -DCHECK=stdcall -P check_dll.cmake
# libtivex.so, with nm:
#   CHECK=so_exports  exactly the three plain entry points are exported (the version
#                     script hides the rest, the C++ library's template code included).
#   cmake -DDLL=libtivex.so -DNM=nm -DCHECK=so_exports -P check_dll.cmake

cmake_minimum_required(VERSION 3.25)

# The tools' output is parsed by its English headings, which a translated locale changes.
set(ENV{LC_ALL} C)

set(entry_points "_TivexCheck@32;_TivexCheckExt@8;_TivexWhat@12")
set(system_dlls "kernel32.dll;msvcrt.dll;user32.dll;advapi32.dll")

if(CHECK STREQUAL "exports")
  execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objdump could not read ${DLL}")
  endif()
  # Rows such as "\t[   0] _TivexCheck@32" become list items (brackets would upset lists).
  string(REGEX MATCH "Ordinal/Name Pointer\\] Table\n(([^\n]+\n)*)" table "${dump}")
  string(REGEX REPLACE "[ \t]*\\[ *[0-9]+\\] ([^\n]+)\n" "\\1;" exported "${CMAKE_MATCH_1}")
  list(REMOVE_ITEM exported "")
  list(SORT exported)
  if(NOT exported STREQUAL entry_points)
    message(FATAL_ERROR "tivex.dll exports '${exported}', not exactly '${entry_points}'")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import ${imports})
    string(REGEX REPLACE "DLL Name: " "" name "${import}")
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST system_dlls)
      message(FATAL_ERROR "tivex.dll needs ${name} beside it; it must link its runtime statically")
    endif()
  endforeach()
  message(STATUS "exports: ${exported}")
elseif(CHECK STREQUAL "stdcall")
  execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objdump could not disassemble ${DLL}")
  endif()
  foreach(entry ${entry_points})
    string(REGEX MATCH "@([0-9]+)$" _ "${entry}")
    math(EXPR expected "${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
    # The function's code runs from its label to the blank line before the next one.
    string(FIND "${dump}" "<${entry}>:\n" start)
    if(start EQUAL -1)
      message(FATAL_ERROR "${entry} not found in the disassembly of ${DLL}")
    endif()
    string(SUBSTRING "${dump}" ${start} -1 body)
    string(FIND "${body}" "\n\n" end)
    string(SUBSTRING "${body}" 0 ${end} body)
    string(REGEX MATCHALL "\tret[^\n]*" returns "${body}")
    if(NOT returns)
      message(FATAL_ERROR "${entry}: no return instruction found")
    endif()
    foreach(return ${returns})
      string(REGEX REPLACE "[ \t]+" " " return "${return}")
      string(STRIP "${return}" return)
      if(NOT return STREQUAL "ret \$${expected}")
        message(FATAL_ERROR "${entry} returns with '${return}', not 'ret \$${expected}'")
      endif()
    endforeach()
    list(LENGTH returns count)
    message(STATUS "${entry}: ${count} return(s), each 'ret \$${expected}'")
  endforeach()
elseif(CHECK STREQUAL "so_exports")
  execute_process(COMMAND ${NM} -D --defined-only ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "nm could not read ${DLL}")
  endif()
  # Rows are "ADDRESS TYPE NAME"; the version node's own symbol has type A and is no entry.
  string(REGEX MATCHALL "[^\n]*[ \t][^A \t][ \t][^\n]+" rows "${dump}")
  set(exported "")
  foreach(row ${rows})
    string(REGEX REPLACE "^.*[ \t]" "" name "${row}")
    list(APPEND exported ${name})
  endforeach()
  list(SORT exported)
  string(REPLACE "_" "" plain "${entry_points}")
  string(REGEX REPLACE "@[0-9]+" "" plain "${plain}")
  if(NOT exported STREQUAL plain)
    message(FATAL_ERROR "${DLL} exports '${exported}', not exactly '${plain}'")
  endif()
  message(STATUS "exports: ${exported}")
else()
  message(FATAL_ERROR "CHECK must be exports, stdcall or so_exports")
endif()
