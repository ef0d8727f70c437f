#!/usr/bin/env bash
# Tries one README command as a new user would: in a fresh minimal Debian
# root (debootstrap --variant=minbase), with the sources a real install
# has, as root, on a clean clone of one commit. Reports the packages the
# command installed, what apt downloaded and the wall time. Not part of the test command; needs root and debootstrap.
# Usage: scripts/fresh-root.sh bookworm|trixie test|run [COMMIT]   (default HEAD)
# The minimal roots are kept as tarballs in $TENGLAMA_ROOTS (default
# /var/cache/tenglama-roots); each try unpacks a fresh copy and removes it.
# With DISPLAY set, the run command shows its window on that display (the
# host's X sockets are bound into the root, its cookie copied with xauth);
# without one, expect the one-line message and exit status 1.
set -euo pipefail

# One function, read whole before it runs: a try takes long enough for a
# checkout to change this file meanwhile.
main() {
  release="$1" command="$2"
  repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
  commit=$(git -C "$repo" rev-parse --verify "${3:-HEAD}^{commit}")
  case "$command" in
    test) run=.ci/run ;;
    run) run=scripts/run.sh ;;
    *) echo "usage: $0 bookworm|trixie test|run [COMMIT]" >&2; exit 2 ;;
  esac
  cache="${TENGLAMA_ROOTS:-/var/cache/tenglama-roots}"
  tarball="$cache/$release-minbase.tar"

  if [ ! -f "$tarball" ]; then
    mkdir -p "$cache"
    made=$(mktemp -d /var/tmp/tenglama-debootstrap.XXXXXX)
    debootstrap --variant=minbase "$release" "$made" http://deb.debian.org/debian
    tar -C "$made" -cf "$tarball.part" . && mv "$tarball.part" "$tarball"
    rm -rf "$made"
  fi

  root=$(mktemp -d /var/tmp/tenglama-root.XXXXXX)
  log="$cache/$release-$command-${commit:0:12}.log"
  cleanup() {
    # Innermost mounts first; a lazy unmount so a process still holding one
    # cannot leave the root behind.
    findmnt -rn -o TARGET | grep "^$root/" | sort -r | xargs -r -n 1 umount -l
    rm -rf --one-file-system "$root"
  }
  trap cleanup EXIT
  tar -C "$root" -xf "$tarball"
  chmod 755 "$root"   # mktemp made it private; the root's / must not be
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  for dir in /dev /dev/pts /dev/shm; do mount --bind "$dir" "$root$dir"; done
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # As a real install has them: the release, its updates and its security
  # suite (debootstrap writes the release alone), so that the root meets
  # packages newer than its own, as any installed machine does.
  printf '%s\n' \
    "deb http://deb.debian.org/debian $release main" \
    "deb http://deb.debian.org/debian $release-updates main" \
    "deb http://deb.debian.org/debian-security $release-security main" >"$root/etc/apt/sources.list"
  git clone --quiet --no-checkout "$repo" "$root/work/project"
  git -C "$root/work/project" checkout --quiet --detach "$commit"

  display=()
  if [ "$command" = run ] && [ -n "${DISPLAY:-}" ]; then
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    xauth extract "$root/root/.Xauthority" "$DISPLAY"
    display=(DISPLAY="$DISPLAY")
  fi

  before=$(chroot "$root" dpkg-query -W -f='.\n' | wc -l)
  start=$(date +%s)
  status=0
  chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin CI=true "${display[@]}" \
    bash -c "cd /work/project && $run" </dev/null 2>&1 | tee "$log" || status=${PIPESTATUS[0]}
  seconds=$(($(date +%s) - start))
  after=$(chroot "$root" dpkg-query -W -f='.\n' | wc -l)

  echo "== $release, $run at ${commit:0:12}: exit status $status after $((seconds / 60)) min $((seconds % 60)) s"
  echo "== packages installed: $((after - before)); apt downloads: $(grep '^Need to get' "$log" | cut -d' ' -f4,5 | paste -sd+ || echo none)"
  echo "== log: $log"
  exit "$status"
}
main "$@"
