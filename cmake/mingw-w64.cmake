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

# Tests and test discovery run under Debian's 64-bit Wine, in a Wine prefix
# of the build folder's own.
find_program(TAMVORIL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TAMVORIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine.sh ${CMAKE_BINARY_DIR}/wine
                                    ${TAMVORIL_WINE})
endif()
