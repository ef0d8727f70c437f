# Read by cpack before it packs: every member is dated the build's
# SOURCE_DATE_EPOCH, whatever the caller's environment holds.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_TENGLAMA_SOURCE_DATE_EPOCH}")
