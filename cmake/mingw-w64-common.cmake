# Cross build of the Windows programs with mingw-w64 (POSIX thread model). Included by the
# toolchain files, which set KORVAN_MINGW_TRIPLE and KORVAN_WINE_ARCH first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KORVAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVAN_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every Windows test runs under Wine; the runner keeps its prefix inside this build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run;--build-dir=${CMAKE_BINARY_DIR};--arch=${KORVAN_WINE_ARCH}")
