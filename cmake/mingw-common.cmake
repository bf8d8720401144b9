# Shared part of the two MinGW-w64 toolchain files; RAVELIN_MINGW_PREFIX names the target.
set(CMAKE_C_COMPILER ${RAVELIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RAVELIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${RAVELIN_MINGW_PREFIX}-windres)
set(CMAKE_DLLTOOL ${RAVELIN_MINGW_PREFIX}-dlltool)
set(CMAKE_OBJDUMP ${RAVELIN_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${RAVELIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No MinGW runtime DLL next to our binaries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine; the wrapper keeps Wine's helper processes off ctest's pipes.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)
