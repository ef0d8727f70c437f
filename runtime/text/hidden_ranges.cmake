# Writes the ranges of code points a quote must not show as they are:
# general categories Cc, Cf, Zl, Zp, Cs and Co, and every code point
# UnicodeData.txt does not list (Cn, the noncharacters among them). Reads
# only the other lines, those of characters that draw something, and
# writes the gaps between them, so whatever is missing from the data is
# hidden too. One "{first, last}," per line, in order.
# Usage: cmake -DDATA=UnicodeData.txt -DOUT=hidden_ranges.inc -P hidden_ranges.cmake
file(STRINGS "${DATA}" shown REGEX "^[0-9A-F]+;[^;]*;([LMNPS][a-z]|Zs);")
if(NOT shown)
  message(FATAL_ERROR "${DATA} holds no characters: is it UnicodeData.txt?")
endif()

set(next 0)  # the first code point not yet written or shown
set(ranges "")
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
    math(EXPR first "${next}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR last "${start} - 1" OUTPUT_FORMAT HEXADECIMAL)
    string(APPEND ranges "{${first}, ${last}},\n")
  endif()
  math(EXPR next "${code} + 1")
endforeach()
math(EXPR first "${next}" OUTPUT_FORMAT HEXADECIMAL)
string(APPEND ranges "{${first}, 0x10ffff},\n")
file(WRITE "${OUT}" "${ranges}")
