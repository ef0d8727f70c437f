# Run by cpack on the packages it has made (see CMakeLists.txt).
execute_process(
  COMMAND ${CPACK_TENGLAMA_NORMALIZE} ${CPACK_TENGLAMA_SOURCE_DATE_EPOCH} ${CPACK_PACKAGE_FILES}
  COMMAND_ERROR_IS_FATAL ANY)
