# Writes the service worker from its template: the files it keeps (FILES,
# comma-separated, in DIR) and a cache version made from their contents.
string(REPLACE "," ";" files "${FILES}")
set(hashes "")
foreach(file IN LISTS files)
  file(SHA256 "${DIR}/${file}" hash)
  string(APPEND hashes "${hash}")
endforeach()
string(SHA256 VERSION "${hashes}")
string(SUBSTRING "${VERSION}" 0 16 VERSION)
# The page is asked for by its folder's address.
list(TRANSFORM files REPLACE "^index.html$" "./")
list(JOIN files "', '" SHELL)
set(SHELL "'${SHELL}'")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
