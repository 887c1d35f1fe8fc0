# The Windows build, cross-built with mingw-w64 (cmake/toolchains/): the
# plain layers and the Win32 front end, no Qt. Its programs run here under
# Wine: every test through the emulator below, in a Wine prefix of this
# build's own that each test run makes afresh (the wine_prefix fixture in
# tests/), headless.

# Wine starts 64-bit programs only on our machines; a build for another
# processor still builds its tests, but nothing here runs them.
find_program(KLANDOR_WINE wine)
set(KLANDOR_WINEPREFIX ${PROJECT_BINARY_DIR}/wine)
if(KLANDOR_WINE AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(KLANDOR_WINE_RUNS ON)
  # No display for the tests of the plain layers; without the .NET and HTML
  # runtimes a new prefix is made in seconds and asks nothing.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env -u DISPLAY WINEPREFIX=${KLANDOR_WINEPREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml="
      ${KLANDOR_WINE})
else()
  set(KLANDOR_WINE_RUNS OFF)
endif()

# GoogleTest for the target, built from the source Debian's googletest
# package ships (Debian packages no mingw-w64 build of it).
if(KLANDOR_TESTS)
  set(KLANDOR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, built for the target")
  if(NOT EXISTS ${KLANDOR_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's source is not in ${KLANDOR_GOOGLETEST_SOURCE}: install Debian's googletest")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KLANDOR_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
