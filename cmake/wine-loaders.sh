# shellcheck shell=sh
# Sourced: sets wine32 and wine64 to Debian's two Wine loaders (32- and
# 64-bit programs), found beside the wineserver that `wineserver` resolves
# to. The 64-bit one must be there; the 32-bit one is checked where used.
wineserver=$(command -v wineserver) || { echo "Wine is not installed (no wineserver)" >&2; exit 1; }
wine_dir=$(dirname "$(readlink -f "$wineserver")")
wine32="$wine_dir/wine"
wine64="$wine_dir/wine64"
[ -x "$wine64" ] || { echo "no 64-bit Wine loader at $wine64" >&2; exit 1; }
