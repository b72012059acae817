# Build settings shared by every folder, and the helpers that register programs and tests.

if(WIN32)
  enable_language(RC)
  # ANSI Win32 API, XP SP3 as the oldest target.
  add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
  add_compile_options(-Wall -Wextra)
  # One self-contained .exe per program: no mingw run-time DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(KORVAN_WIN32 ON)
else()
  add_compile_options(-Wall -Wextra)
  set(KORVAN_WIN32 OFF)
  option(KORVAN_SANITIZE "Build the host tree with address and undefined-behaviour sanitizers" ON)
  if(KORVAN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# korvan_add_gtest(<name> SOURCES ... [LIBS ...] [LABELS ...])
# One GoogleTest program registered as one CTest entry; in the win32 tree CTest runs it under
# Wine through the cross-compiling emulator. KORVAN_SOURCE_DIR lets a test find its fixtures.
function(korvan_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "KORVAN_SOURCE_DIR=${PROJECT_SOURCE_DIR};KORVAN_BINARY_DIR=${CMAKE_BINARY_DIR}"
    LABELS "${ARG_LABELS}"
    TIMEOUT 600)
endfunction()
