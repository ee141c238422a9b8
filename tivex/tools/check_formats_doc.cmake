# Fails when docs/formats.md differs from what the type table generates.
# Called by CTest with -DGENERATOR=<tivex_formats_doc> -DDOCUMENT=<docs/formats.md>.
execute_process(COMMAND ${GENERATOR} OUTPUT_VARIABLE generated RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tivex_formats_doc failed (${status})")
endif()
if(EXISTS ${DOCUMENT})
  file(READ ${DOCUMENT} committed)
else()
  set(committed "")
endif()
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "docs/formats.md is out of date with the type table. Regenerate it:\n"
                      "  build/bin/tivex_formats_doc > docs/formats.md")
endif()
