# 64-bit Windows, the build the tests run under Wine: cmake --preset windows64
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KLANDOR_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
