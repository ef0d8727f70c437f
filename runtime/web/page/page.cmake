# Writes the page's markup and stylesheet from their templates (IN, a
# folder) into OUT, a folder, with the form's markup, title and style as
# FORM, a script of markup_toolkit.cpp's, sets them.
include(${FORM})
configure_file(${IN}/index.html.in ${OUT}/index.html @ONLY)
# The stylesheet goes without its comments and indentation: every byte of
# it comes before the first paint.
file(READ ${IN}/style.css.in style)
string(CONFIGURE "${style}" style @ONLY)
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" style "${style}")
string(REGEX REPLACE "[ \n]+" " " style "${style}")
string(REGEX REPLACE " ?([{};]) ?" "\\1" style "${style}")
string(STRIP "${style}" style)
file(WRITE ${OUT}/style.css "${style}\n")
