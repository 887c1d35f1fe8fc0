# 32-bit Windows, the game's release: cmake --preset windows
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KLANDOR_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
