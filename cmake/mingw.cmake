# Cross-compiling for Windows with Debian's mingw-w64.
# MINGW_ARCH selects the target: x86_64 (default) or i686.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT MINGW_ARCH)
  set(MINGW_ARCH x86_64)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(_triple ${MINGW_ARCH}-w64-mingw32)

# The -posix variants give std::mutex and std::thread, which GoogleTest needs.
set(CMAKE_C_COMPILER   ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
