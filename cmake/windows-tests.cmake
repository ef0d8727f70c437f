# The Windows test suites, built in a tree of their own inside this one with
# the posix thread model (see mingw-w64-common.cmake), and run by this
# tree's ctest. They test the program this tree built: the shipped one.
include(ExternalProject)
set(tests_tree ${PROJECT_BINARY_DIR}/tests-posix)
ExternalProject_Add(tenglama_windows_tests
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${tests_tree}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DTENGLAMA_MINGW_THREADS=posix
    -DTENGLAMA_TESTED_PROGRAM=$<TARGET_FILE:tenglama>
  INSTALL_COMMAND ""
  # Its own build knows what is out of date.
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON
  DEPENDS tenglama)
file(WRITE ${PROJECT_BINARY_DIR}/windows-tests.ctest "subdirs(\"${tests_tree}\")\n")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES
  ${PROJECT_BINARY_DIR}/windows-tests.ctest)
