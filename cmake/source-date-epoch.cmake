# TENGLAMA_SOURCE_DATE_EPOCH: the time every release file carries, so that
# two builds of one commit give the same bytes. SOURCE_DATE_EPOCH when the
# caller sets it, else the last commit's date, else (sources without git)
# the release date. A commit reconfigures the tree, so the time follows it.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TENGLAMA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(
      COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE TENGLAMA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET)
    execute_process(
      COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(EXISTS "${head_log}")
      set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
    endif()
  endif()
  if(NOT TENGLAMA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    execute_process(
      COMMAND date --utc --date "${TENGLAMA_RELEASE_DATE} 00:00" +%s
      OUTPUT_VARIABLE TENGLAMA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()
if(NOT TENGLAMA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is \"${TENGLAMA_SOURCE_DATE_EPOCH}\", not a count of seconds")
endif()
