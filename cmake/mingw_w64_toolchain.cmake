# Cross-builds the Windows edition with Debian's MinGW-w64 (the posix-thread variant, which has
# std::thread) and runs what it builds under Wine. Used by the windows preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

# Libraries and headers come from the MinGW tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: libstdc++, libgcc and winpthread linked in, so no MinGW DLL has to
# travel beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest starts every Windows executable through Wine. Debian keeps the 64-bit loader and its
# server out of PATH, in /usr/lib/wine.
find_program(WINE64 wine64 HINTS /usr/lib/wine REQUIRED)
find_program(WINESERVER wineserver HINTS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE64})
