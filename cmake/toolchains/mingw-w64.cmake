# Shared by the two Windows toolchains: Debian's mingw-w64 cross compilers
# of the posix thread model (std::thread and std::mutex work), their
# resource compiler, and a static link, so that the program needs no
# libgcc, libstdc++ or winpthread DLL beside it. Expects
# KLANDOR_MINGW_TARGET (the compilers' target, i686-w64-mingw32 or
# x86_64-w64-mingw32) and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KLANDOR_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KLANDOR_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${KLANDOR_MINGW_TARGET}-windres)

# Libraries and headers from the target's own root only; programs (the
# build's tools) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KLANDOR_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
