#!/usr/bin/env bash
# Runs one end-to-end driver under Wine in a throwaway environment (own
# display, fresh prefix), turns the screenshots it saved into PNG files and
# stops everything it started.
#
#   run-e2e.sh [--timeout S] [--screenshots DIR] [--program EXE] DRIVER.exe [TEST...]
#
# --program hands the program under test to the driver as --program=<path>;
# screenshots end up as DIR/*.png (default: screenshots/ beside the driver).
# The driver is stopped after S seconds (default 150).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"

limit=150 shots='' program=''
while [ $# -gt 0 ]; do
  case "$1" in
    --timeout) limit=$2; shift 2 ;;
    --screenshots) shots=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { echo "usage: $0 [--timeout S] [--screenshots DIR] [--program EXE] DRIVER.exe [TEST...]" >&2; exit 2; }
driver=$(realpath "$1")
shift
[ -f "$driver" ] || { echo "no driver $driver" >&2; exit 2; }
shots=${shots:-$(dirname "$driver")/screenshots}
mkdir -p "$shots"

trap 'e2e_env_stop' EXIT
trap 'exit 130' INT TERM
e2e_env_start || exit 1

# The driver writes BMP files into the run folder; only this run's files are
# converted, so parallel tests never touch each other's pictures.
mkdir -p "$E2E_RUN_DIR/shots"
args=("--screenshots=$(e2e_winpath "$E2E_RUN_DIR/shots")")
[ -n "$program" ] && args+=("--program=$(e2e_winpath "$program")")

start=$(e2e_now)
timeout -k 5 "$limit" wine "$driver" "${args[@]}" "$@" </dev/null
rc=$?
[ $rc -eq 124 ] && echo "driver stopped after $limit s" >&2
e2e_log "driver ran $(e2e_since "$start"), exit code $rc"

for bmp in "$E2E_RUN_DIR"/shots/*.bmp; do
  [ -e "$bmp" ] || continue
  name=$(basename "$bmp" .bmp)
  if command -v convert >/dev/null 2>&1 && convert "$bmp" "$shots/$name.png" 2>/dev/null; then
    echo "screenshot: $shots/$name.png"
  else
    cp "$bmp" "$shots/$name.bmp" && echo "screenshot: $shots/$name.bmp"
  fi
done
exit $rc
