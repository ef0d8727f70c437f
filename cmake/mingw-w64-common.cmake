# The thread model picks the compiler. The shipped program is built with
# win32 threads: the posix model's thread library calls functions Windows XP
# lacks (GetTickCount64), and the program has one thread. The Windows test
# suites are built with posix threads, in a tree of their own
# (cmake/windows-tests.cmake): GoogleTest needs std::mutex, which GCC 12's
# win32 model lacks.
if(NOT TENGLAMA_MINGW_THREADS)
  set(TENGLAMA_MINGW_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TENGLAMA_MINGW_THREADS)
set(CMAKE_C_COMPILER ${TENGLAMA_MINGW_TRIPLE}-gcc-${TENGLAMA_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TENGLAMA_MINGW_TRIPLE}-g++-${TENGLAMA_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TENGLAMA_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TENGLAMA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
