#!/usr/bin/env bash
# Proves the release files reproducible: builds them (packaging/release.sh)
# twice from this tree's sources, the files git tracks or would track, in
# two folders of different names and depths, one after the other, under
# different umasks, time zones and locales, and compares them byte for byte.
# Three to four minutes on two cores; the test command runs it.
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
# sources at DIR, in DIR/build/packages.
build_copy() {
  local dir="$1"
  echo "Building the release files in $dir (umask $2, TZ=$3, LC_ALL=$4)"
  mkdir -p "$dir"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do if [ -e "$file" ]; then printf '%s\0' "$file"; fi; done |
    tar --null --files-from=- --create --file=- | tar --extract --touch --file=- --directory="$dir"
  (
    cd "$dir"
    umask "$2"
    export TZ="$3" LC_ALL="$4"
    for preset in linux windows-x86 web; do
      cmake --preset "$preset" -DTENGLAMA_TESTS=OFF >/dev/null
    done
    packaging/release.sh >"$dir.log" 2>&1 || { tail -n 30 "$dir.log" >&2; exit 1; }
  )
}

first="$work/one/tenglama"
second="$work/a-second-folder/deeper/tenglama"
build_copy "$first" 0022 UTC C.UTF-8
build_copy "$second" 0002 Asia/Tashkent C
first+=/build/packages
second+=/build/packages

# The same files, listed alike: the same bytes.
if ! diff <(cd "$first" && sort SHA256SUMS) <(cd "$second" && sort SHA256SUMS); then
  echo "release files not reproducible (< first build, > second); both are kept in $work" >&2
  exit 1
fi
count=$(wc -l <"$first/SHA256SUMS")
rm -rf "$work"
elapsed=$((SECONDS - started))
echo "reproducible: $count release files byte for byte the same, in $((elapsed / 60)) min $((elapsed % 60)) s"
