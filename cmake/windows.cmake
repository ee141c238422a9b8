# What only the Windows build needs: GoogleTest built from Debian's source (no packaged
# MinGW build exists), the MinGW runtime and Qt beside the programs in bin/, so that the
# tests and the program start from there, and `cmake --install` laying out a folder a
# Windows user can unzip and run.

# The program's icon, version information and manifest.
enable_language(RC)

function(sorvena_add_googletest)
  set(source /usr/src/googletest)
  if(NOT EXISTS ${source}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's source is missing: install Debian's googletest package")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Their warnings are not ours to fix. (googletest names its own GTest:: aliases.)
  foreach(target gtest gtest_main)
    target_compile_options(${target} PRIVATE -w)
  endforeach()
endfunction()

# The runtime DLLs of MinGW's C++ compiler that executables linked the usual way need.
function(sorvena_mingw_runtime_dlls out)
  set(dlls)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(libgcc libgcc_s_seh-1.dll)
  else()
    set(libgcc libgcc_s_dw2-1.dll)
  endif()
  foreach(name libstdc++-6.dll ${libgcc} libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" ABSOLUTE)
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "MinGW runtime ${name} not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    list(APPEND dlls "${path}")
  endforeach()
  set(${out} ${dlls} PARENT_SCOPE)
endfunction()

# Copies files into bin/ (or a folder under it) when they change.
function(sorvena_copy_beside_programs target subfolder)
  set(outputs)
  foreach(file ${ARGN})
    get_filename_component(name "${file}" NAME)
    set(output ${SORVENA_BIN_DIR}/${subfolder}${name})
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${output}
      DEPENDS ${file})
    list(APPEND outputs ${output})
  endforeach()
  set_property(TARGET ${target} APPEND PROPERTY SOURCES ${outputs})
endfunction()

# Installs the copyright file of each Debian package (NAME PACKAGE pairs) as
# licenses/NAME.txt: the notice of the library of that name that ships in the Windows
# folder, with every copyright holder and licence text.
function(sorvena_install_notices)
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs name package)
    set(notice /usr/share/doc/${package}/copyright)
    if(NOT EXISTS ${notice})
      message(FATAL_ERROR "${notice} is missing: the Windows folder must carry ${name}'s notice "
                          "(scripts/setup windows installs ${package})")
    endif()
    install(FILES ${notice} DESTINATION licenses RENAME ${name}.txt)
  endwhile()
endfunction()

function(sorvena_windows_runtime)
  add_custom_target(windows_runtime ALL)
  sorvena_mingw_runtime_dlls(runtime)
  sorvena_copy_beside_programs(windows_runtime "" ${runtime})
  install(FILES ${runtime} DESTINATION .)
  install(TARGETS tivex RUNTIME DESTINATION .)
  install(TARGETS tivex_cli RUNTIME DESTINATION .)
  install(FILES ${SORVENA_BIN_DIR}/readme.txt ${SORVENA_BIN_DIR}/ext.csv ${SORVENA_BIN_DIR}/prog.csv
          DESTINATION .)
  # The program's licence, and the notices of what ships beside it or inside it: the
  # MinGW runtime is in every build (tivex.dll carries it statically), Qt and the
  # libraries built into it only with the windows.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  install(FILES ${PROJECT_SOURCE_DIR}/app/windows/licenses/README.txt DESTINATION licenses)
  sorvena_install_notices(
    GCC-runtime gcc-mingw-w64-base
    MinGW-w64 mingw-w64-common)
  if(NOT SORVENA_GUI)
    return()
  endif()
  sorvena_install_notices(
    FreeType libfreetype6
    HarfBuzz libharfbuzz0b
    libpng libpng16-16
    libjpeg libjpeg62-turbo
    zlib zlib1g
    PCRE2 libpcre2-16-0
    double-conversion libdouble-conversion3)
  foreach(licence LGPL-3 GPL-3)
    install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses RENAME ${licence}.txt)
  endforeach()
  get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
  set(qt_dlls)
  foreach(module Core Gui Widgets Svg)
    list(APPEND qt_dlls ${qt_prefix}/bin/Qt6${module}.dll)
  endforeach()
  # The plugins the program loads; the offscreen platform is for the tests only.
  set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll iconengines/qsvgicon.dll
      imageformats/qsvg.dll imageformats/qico.dll imageformats/qjpeg.dll imageformats/qgif.dll)
  sorvena_copy_beside_programs(windows_runtime "" ${qt_dlls} ${qt_prefix}/bin/Qt6Test.dll)
  foreach(plugin ${plugins} platforms/qoffscreen.dll)
    get_filename_component(folder ${plugin} DIRECTORY)
    sorvena_copy_beside_programs(windows_runtime "${folder}/" ${qt_prefix}/plugins/${plugin})
  endforeach()
  install(TARGETS sorvena RUNTIME DESTINATION .)
  install(FILES ${qt_dlls} DESTINATION .)
  foreach(plugin ${plugins})
    get_filename_component(folder ${plugin} DIRECTORY)
    install(FILES ${qt_prefix}/plugins/${plugin} DESTINATION ${folder})
  endforeach()
endfunction()
