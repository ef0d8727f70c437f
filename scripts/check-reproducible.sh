#!/usr/bin/env bash
# Proves the release files reproducible: builds them (packaging/release.sh)
# once more from this tree's sources, the files git tracks or would track,
# in a folder of another name and depth, later, under another umask, time
# zone and locale, with no compiler cache, and compares them byte for byte
# with the ones in build/packages (made by packaging/check.sh, which the
# test command runs first). Usage: check-reproducible.sh [--both]
#   --both  builds here too, first, rather than trusting build/packages
set -euo pipefail
cd "$(dirname "$0")/.."

work="$PWD/build/reproducible"
rm -rf "$work"
mkdir -p "$work"
# Every build dates its files from the last commit, as the one in this folder does.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
started=$SECONDS

# build_copy DIR UMASK TZ LOCALE: the release files of a fresh copy of the
# sources at DIR, in DIR/build/packages, every object compiled anew.
build_copy() {
  local dir="$1"
  echo "Building the release files in $dir (umask $2, TZ=$3, LC_ALL=$4, no compiler cache)"
  mkdir -p "$dir"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do if [ -e "$file" ]; then printf '%s\0' "$file"; fi; done |
    tar --null --files-from=- --create --file=- | tar --extract --touch --file=- --directory="$dir"
  (
    cd "$dir"
    umask "$2"
    export TZ="$3" LC_ALL="$4" CCACHE_DISABLE=1
    for preset in linux windows-x86 web; do
      cmake --preset "$preset" -DTENGLAMA_TESTS=OFF >/dev/null
    done
    packaging/release.sh >"$dir.log" 2>&1 || { tail -n 30 "$dir.log" >&2; exit 1; }
  )
}

if [ "${1:-}" = --both ]; then
  first="$work/one/tenglama"
  build_copy "$first" 0022 UTC C.UTF-8
  first+=/build/packages
else
  first="$PWD/build/packages"
  [ -f "$first/SHA256SUMS" ] || { echo "no $first/SHA256SUMS: run packaging/check.sh first, or pass --both" >&2; exit 1; }
fi
second="$work/a-second-folder/deeper/tenglama"
build_copy "$second" 0002 Asia/Tashkent C
second+=/build/packages

# The same files, listed alike: the same bytes.
if ! diff <(cd "$first" && sort SHA256SUMS) <(cd "$second" && sort SHA256SUMS); then
  echo "release files not reproducible (< $first, > $second); the second is kept in $work" >&2
  exit 1
fi
count=$(wc -l <"$second/SHA256SUMS")
rm -rf "$work"
elapsed=$((SECONDS - started))
echo "reproducible: $count release files byte for byte the same, in $((elapsed / 60)) min $((elapsed % 60)) s"
