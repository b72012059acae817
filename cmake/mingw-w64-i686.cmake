# The shipped programs: 32-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KORVAN_MINGW_TRIPLE i686-w64-mingw32)
set(KORVAN_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
