# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX threads
# variant, so that the standard library's threads and thread_local work).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MACBATCH_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MACBATCH_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MACBATCH_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MACBATCH_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MACBATCH_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine, in a prefix private to the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
