# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread and Qt need). Libraries, headers and packages come only from the target's roots;
# programs (moc, rcc, lrelease, ...) only from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOLVANE_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TOLVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVANE_MINGW}-windres)

# mingw's own root holds the system headers and import libraries; the cache's prefix (Qt, giflib,
# libwebp) comes in TOLVANE_WINDOWS_PREFIX from scripts/windows.sh.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TOLVANE_MINGW})
if(DEFINED ENV{TOLVANE_WINDOWS_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{TOLVANE_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
