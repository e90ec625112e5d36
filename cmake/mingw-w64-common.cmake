# Shared part of the two mingw-w64 toolchains; the including file sets LUMVO1_MINGW_PREFIX and
# CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix compilers: the default -win32 thread model has no std::thread or std::mutex, and
# GoogleTest needs them.
set(CMAKE_C_COMPILER ${LUMVO1_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMVO1_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMVO1_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUMVO1_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: under Wine a missing mingw DLL fails silently with exit code 53.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
