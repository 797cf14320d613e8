# Cross-building for Windows with Debian's mingw-w64 (./dev windows). Included by the toolchain
# file of one width, which sets PELMAR_MINGW_ARCH (i686 or x86_64). The posix thread model, whose
# C++ threads GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${PELMAR_MINGW_ARCH})
set(PELMAR_MINGW_TRIPLE ${PELMAR_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${PELMAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELMAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELMAR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PELMAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
