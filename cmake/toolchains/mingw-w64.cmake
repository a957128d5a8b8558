# Cross-compiling for Windows with Debian's mingw-w64. The POSIX thread model gives the
# standard library its threads and mutexes. The including file sets CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(BRINDLE_MINGW_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${BRINDLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRINDLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRINDLE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRINDLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables that need no DLL beside them: the C and C++ runtimes and winpthreads linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run ${CMAKE_SYSTEM_PROCESSOR})
