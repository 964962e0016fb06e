# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads:
# g++-mingw-w64-x86-64-posix). Programs run on Linux under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ziel x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ziel}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ziel}-g++-posix)
set(CMAKE_RC_COMPILER ${ziel}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ziel})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The C and C++ runtimes linked in: the .exe needs no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
find_program(STELUX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(STELUX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${STELUX_WINE})
endif()
