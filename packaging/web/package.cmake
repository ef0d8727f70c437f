# The web package: the page's static files at the top of a zip, ready for
# any static web host (or a folder on a school's server).
list(TRANSFORM TENGLAMA_WEB_FILES PREPEND ${PROJECT_BINARY_DIR}/ OUTPUT_VARIABLE files)
install(FILES ${files} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_FILE_NAME tenglama-${PROJECT_VERSION}-web)
