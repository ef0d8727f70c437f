# The Debian package: the program, menu entry and icons (installed beside
# their sources) plus what Debian and software centres expect around them:
# AppStream metadata, a manual page, the copyright file and a changelog.
set(appstream_id io.github.tenglama.Tenglama)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/linux)
# The README's screenshot, as the project's repository serves it for this release.
set(TENGLAMA_SCREENSHOT_URL
  "https://raw.githubusercontent.com/tenglama/tenglama/v${PROJECT_VERSION}/docs/screenshot-linux.png")

execute_process(
  COMMAND date --utc --rfc-email --date "${TENGLAMA_RELEASE_DATE} 00:00"
  OUTPUT_VARIABLE TENGLAMA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${appstream_id}.metainfo.xml.in
  ${generated}/${appstream_id}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${generated}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tenglama.1.in ${generated}/tenglama.1 @ONLY)

# Debian compresses changelogs and manual pages with gzip -9 and without a
# timestamp, so that rebuilding gives the same bytes.
find_program(TENGLAMA_GZIP gzip REQUIRED)
set(compressed)
foreach(name IN ITEMS changelog tenglama.1)
  add_custom_command(
    OUTPUT ${generated}/${name}.gz
    COMMAND ${TENGLAMA_GZIP} -9 --no-name --force --keep ${generated}/${name}
    DEPENDS ${generated}/${name}
    VERBATIM)
  list(APPEND compressed ${generated}/${name}.gz)
endforeach()
add_custom_target(tenglama_package_docs ALL DEPENDS ${compressed})

install(FILES ${generated}/${appstream_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/tenglama.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${generated}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tenglama)

set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION [[
Tenglama solves a first-degree equation with one unknown, a*x = b, in one
small window whose texts are all in Uzbek (Latin script). Type a and b,
press the Natija button, and it shows the single solution X = b/a, says
that there is no solution, or that every x is one.

Numbers may be written with a decimal point or a decimal comma, with a sign
and an exponent. The program reads no files or settings and keeps nothing
between runs.]])
