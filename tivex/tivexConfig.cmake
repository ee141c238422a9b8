# find_package(tivex) gives the imported target tivex::tivex: link it, include <tivex.h>.
include("${CMAKE_CURRENT_LIST_DIR}/tivexTargets.cmake")
