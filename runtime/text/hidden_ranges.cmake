# Writes the ranges of code points a quote must not show as they are:
# general categories Cc, Cf, Zl, Zp, Cs and Co, and every code point
# UnicodeData.txt does not list (Cn, the noncharacters among them). Reads
# only the other lines, those of characters that draw something, and
# writes the gaps between them, so whatever is missing from the data is
# hidden too. Written as the lengths of the runs of code points from 0 to
# U+10FFFF, shown and hidden in turn (the first shown, perhaps empty), each
# in one byte below 0x80, in two (0x80 | high six bits, low byte) below
# 0x4000, else in three (0xC0 | high bits, two bytes): about a quarter of
# the size of a table of ranges. One shown and one hidden run per line.
# Usage: cmake -DDATA=UnicodeData.txt -DOUT=hidden_ranges.inc -P hidden_ranges.cmake
file(STRINGS "${DATA}" shown REGEX "^[0-9A-F]+;[^;]*;([LMNPS][a-z]|Zs);")
if(NOT shown)
  message(FATAL_ERROR "${DATA} holds no characters: is it UnicodeData.txt?")
endif()

# Appends one run's length, encoded, to `runs`.
function(append_run length)
  if(length LESS 128)
    set(bytes ${length})
  elseif(length LESS 16384)
    math(EXPR high "0x80 | (${length} >> 8)")
    math(EXPR low "${length} & 0xFF")
    set(bytes "${high}, ${low}")
  else()
    math(EXPR high "0xC0 | (${length} >> 16)")
    math(EXPR middle "(${length} >> 8) & 0xFF")
    math(EXPR low "${length} & 0xFF")
    set(bytes "${high}, ${middle}, ${low}")
  endif()
  set(runs "${runs}${bytes}, " PARENT_SCOPE)
endfunction()

set(next 0)  # the first code point not yet written or shown
set(shown_from 0)  # where the shown run before the next hidden one starts
set(runs "")
foreach(line IN LISTS shown)
  string(REGEX MATCH "^([0-9A-F]+);([^;]*)" _ "${line}")
  math(EXPR code "0x${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  # A block such as the CJK ideographs is listed as its first and last
  # code points only.
  if(name MATCHES ", First>$")
    set(block_start ${code})
    continue()
  endif()
  set(start ${code})
  if(name MATCHES ", Last>$")
    set(start ${block_start})
  endif()
  if(start GREATER next)
    math(EXPR shown "${next} - ${shown_from}")
    math(EXPR hidden "${start} - ${next}")
    append_run(${shown})
    append_run(${hidden})
    string(APPEND runs "\n")
    set(shown_from ${start})
  endif()
  math(EXPR next "${code} + 1")
endforeach()
math(EXPR shown "${next} - ${shown_from}")
math(EXPR hidden "0x110000 - ${next}")
append_run(${shown})
append_run(${hidden})
file(WRITE "${OUT}" "${runs}\n")
