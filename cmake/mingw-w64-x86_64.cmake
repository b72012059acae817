# The same sources as 64-bit Windows programs: the test tree on machines whose kernel cannot
# run 32-bit programs, where only 64-bit Wine works.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORVAN_MINGW_TRIPLE x86_64-w64-mingw32)
set(KORVAN_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
