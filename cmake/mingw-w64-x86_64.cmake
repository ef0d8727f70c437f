# Cross build for 64-bit Windows with mingw-w64; tests run through Wine.
# The shipped program is the 32-bit build; this twin exists so the Windows
# backend can be exercised where the host cannot run 32-bit code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TENGLAMA_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
