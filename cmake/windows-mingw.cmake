# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building the core, the command-line tool and their tests for 64-bit
# Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix), the programs of
# the build (the data generator, the tests) running under Wine (Debian: wine64).
# scripts/windows uses it; by hand:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows-mingw.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GRIDWRIGHT_MINGW x86_64-w64-mingw32)

# The posix flavour: its C++ runtime has std::thread and std::mutex.
set(CMAKE_C_COMPILER ${GRIDWRIGHT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GRIDWRIGHT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${GRIDWRIGHT_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GRIDWRIGHT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and the thread library linked in, so every .exe runs (and
# ships) without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine runs the build's programs in a prefix of the build's own, created on
# first use, without its debug chatter.
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env "WINEPREFIX=${CMAKE_BINARY_DIR}/wine" WINEDEBUG=-all /usr/lib/wine/wine64)
