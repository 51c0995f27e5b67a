# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# Cross-built tests run under Wine through the emulator.
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

# One exe without runtime DLLs beside it: Wine and Windows find no
# libgcc or libstdc++ DLL otherwise.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TAMVORIL_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/bin NO_CMAKE_FIND_ROOT_PATH)
if(TAMVORIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TAMVORIL_WINE})
endif()
