#!/usr/bin/env bash
# scripts/install-deps.sh against a stand-in apt-get and dpkg that fail as
# the archive can: a package list failing once, one failing every time,
# 32-bit Wine refused on a machine behind the archive, and a package that
# cannot be had at all. No network, no root, nothing installed.
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One stand-in for every command; it acts on its name.
mkdir "$work/bin"
cat >"$work/bin/fake" <<'FAKE'
#!/usr/bin/env bash
state="$FAKE_STATE"
echo "$(basename "$0") $*" >>"$state/calls"
case "$(basename "$0") $1" in
  "sudo "*) shift; exec "$@" ;;
  "dpkg --print-foreign-architectures") cat "$state/architectures" 2>/dev/null ;;
  "dpkg --add-architecture") echo "$2" >>"$state/architectures" ;;
  "dpkg-query -W")
    if [ "$3" = clang ]; then echo "clang-14 (>= 14)"; exit; fi
    grep -qxF "$3" "$state/installed" 2>/dev/null || exit 1
    echo "install ok installed" ;;
  "apt-get update")
    tries=$(grep -c '^apt-get update' "$state/calls")
    if [ "$FAKE_SCENARIO" = stale ] || { [ "$FAKE_SCENARIO" = flaky ] && [ "$tries" -eq 1 ]; }; then
      echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi ;;
  "apt-get install")
    shift 4
    for package in "$@"; do
      case "$FAKE_SCENARIO:$package" in
        behind:wine32:i386|stale:wine32:i386)
          echo "E: Unable to correct problems, you have held broken packages."; exit 100 ;;
        missing:qt6-base-dev)
          echo "E: Unable to locate package qt6-base-dev"; exit 100 ;;
      esac
    done
    printf '%s\n' "$@" >>"$state/installed" ;;
  "apt-get -s")
    [ "$FAKE_SCENARIO" != behind ] || printf 'Inst libc6 [2.36-9] (2.36-9+deb12u9 Debian-Security:12/stable-security [amd64])\nInst zlib1g [1:1.2.13] (1:1.2.13.dfsg-1+deb12u1 Debian:12/stable [amd64])\n' ;;
esac
FAKE
chmod +x "$work/bin/fake"
for command in apt-get dpkg dpkg-query sudo; do ln -s fake "$work/bin/$command"; done

failures=0
# check SCENARIO SET STATUS UPDATES PATTERN...: install-deps.sh SET exits
# with STATUS after UPDATES fetches of the lists, and its output matches
# each PATTERN ("!" before one: matches no line).
check() {
  local scenario="$1" set="$2" status="$3" updates="$4"; shift 4
  local state="$work/$scenario-$set" output got=0
  mkdir -p "$state"
  output=$(FAKE_STATE="$state" FAKE_SCENARIO="$scenario" TENGLAMA_APT_RETRY_PAUSE=0 PATH="$work/bin:$PATH" \
    bash "$script" "$set" 2>&1) || got=$?
  local problems=()
  [ "$got" = "$status" ] || problems+=("exit status $got, not $status")
  local fetched
  fetched=$(grep -c '^apt-get update' "$state/calls" || true)
  [ "$fetched" = "$updates" ] || problems+=("the lists fetched $fetched times, not $updates")
  for pattern in "$@"; do
    if [ "${pattern:0:1}" = "!" ]; then
      ! grep -qE -- "${pattern:1}" <<<"$output" || problems+=("a line matches ${pattern:1}")
    else
      grep -qE -- "$pattern" <<<"$output" || problems+=("no line matches $pattern")
    fi
  done
  if [ ${#problems[@]} -gt 0 ]; then
    failures=$((failures + 1))
    printf 'FAIL %s %s: %s\n--- its output:\n%s\n---\n' "$scenario" "$set" "$(printf '%s; ' "${problems[@]}")" "$output"
  else
    echo "ok   $scenario $set"
  fi
}

check flaky test 0 2 '!^note:' '^Installing: wine32:i386'
check stale test 0 3 \
  '^note: package lists not fetched after 3 tries.*binary-i386/Packages.xz$' \
  '^note: 32-bit Wine \(wine32:i386\) not installed: the archive.s i386 package lists could not be fetched.*64-bit twin'
check behind test 0 1 '^note: 32-bit Wine .*older than the archive.s \(2 can be upgraded\).*sudo apt-get upgrade.*64-bit twin'
check stale run 0 3 '^note: package lists not fetched' '!wine32'
check missing run 100 1 '!^note:'
[ "$failures" -eq 0 ]
