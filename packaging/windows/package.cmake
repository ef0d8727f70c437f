# The Windows package: a zip holding tenglama.exe and a README, nothing to
# install. Its files sit at the top of the zip, so that Explorer's "Extract
# all" gives one folder with the program in it.
install(TARGETS tenglama RUNTIME DESTINATION .)
# Notepad on older Windows shows a file with bare LF endings as one line.
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/windows/README.txt
  @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_PACKAGE_FILE_NAME tenglama-${PROJECT_VERSION}-win32)
else()
  set(CPACK_PACKAGE_FILE_NAME tenglama-${PROJECT_VERSION}-win64)
endif()
