#!/usr/bin/env bash
# Runs a program's disk-fault test on two small file systems made for it:
# one with no room left and one mounted read-only, each with a copy of the
# program and a one-entry store (PingrelGUI's book, Pingrel's network.txt).
# Wine reaches them through its drive Z:.
#
#   run-fault-e2e.sh PROGRAM.exe DRIVER.exe [TEST]
#
# Mounting needs root; everything runs in a mount namespace of its own, so
# the file systems go with the run. Where that is impossible it says so and
# skips (exit 0).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -eq 2 ] || [ $# -eq 3 ] || { echo "usage: $0 PROGRAM.exe DRIVER.exe [TEST]" >&2; exit 2; }
program=$(realpath "$1") driver=$(realpath "$2")
test=${3:-a_save_on_a_full_disk_or_in_a_read_only_folder_keeps_the_book}

if [ -z "${E2E_FAULT_INSIDE:-}" ]; then
  if [ "$(id -u)" != 0 ] || ! unshare -m true 2>/dev/null; then
    echo "SKIPPED: making small file systems needs root and mount namespaces; neither is available here"
    exit 0
  fi
  E2E_FAULT_INSIDE=1 exec unshare -m --propagation private "$0" "$@"
fi

place=$(mktemp -d "${TMPDIR:-/tmp}/e2e-faults.XXXXXX") || exit 1
trap 'umount "$place/full" "$place/read-only" 2>/dev/null; rm -rf "$place"' EXIT
mkdir -p "$place/full" "$place/read-only"
stage() {
  cp "$program" "$1/" || return 1
  case $(basename "$program") in
    pingrel.exe) printf 'PC1\t\told desk\r\n' >"$1/network.txt" ;;
    *) printf 'old\254room\r\n' >"$1/AddressBook.txt" ;;
  esac
}
if ! mount -t tmpfs -o size=4m tmpfs "$place/full" || ! mount -t tmpfs -o size=4m tmpfs "$place/read-only"; then
  echo "SKIPPED: tmpfs cannot be mounted here"
  exit 0
fi
stage "$place/full" && stage "$place/read-only" || exit 1
# Fill the disk to its last byte.
dd if=/dev/zero of="$place/full/filler" bs=4k 2>/dev/null
dd if=/dev/zero of="$place/full/filler2" bs=1 2>/dev/null
mount -o remount,ro "$place/read-only" || { echo "SKIPPED: cannot remount read-only"; exit 0; }
df -k "$place/full" "$place/read-only" | sed 's/^/  /'

winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
"$here/run-e2e.sh" --timeout 120 "$driver" \
  "--full=$(winpath "$place/full")" "--read-only=$(winpath "$place/read-only")" \
  "$test"
