# Cross build for 32-bit Windows with Debian's MinGW-w64. Nothing of it runs here (the
# kernel has no 32-bit emulation), so it has no emulator: its engine library is built
# and its code inspected.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SORVENA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
