# Cross build for 32-bit Windows with mingw-w64; tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TENGLAMA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# Doubles computed as doubles, as on every other build: x87 code would keep
# a quotient such as 1e-300 / 1e300 in 80 bits, where it is not yet zero,
# and then store it as 0. Every processor Windows still runs on has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
