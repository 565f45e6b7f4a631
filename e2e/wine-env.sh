#!/usr/bin/env bash
# A throwaway Wine environment for the end-to-end tests and scripts/run:
# a virtual display of its own (Xvfb), a fresh 64-bit Wine prefix copied from
# a template (which has the fonts a user's Wine has, and runs 32-bit and
# 64-bit programs where the machine can run 32-bit ones, else 64-bit ones
# only: scripts/wine-mode.sh), a persistent
# wineserver and Wine's services started with their output detached. Everything it
# starts it stops again, by PID or by `wineserver -k` on its own prefix.
#
# Sourced:  . e2e/wine-env.sh; e2e_env_start; wine prog.exe; e2e_env_stop
# Called:   e2e/wine-env.sh template        builds the template prefix only
#           e2e/wine-env.sh run CMD [ARG]   runs CMD in a fresh environment
#
# The template lives in $E2E_WINE_TEMPLATE (default build/wine-template of
# the repository) and is rebuilt when the Wine version changes.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=../scripts/wine-mode.sh
. "$E2E_ROOT/scripts/wine-mode.sh"
suite_wine_setup
: "${E2E_WINE_TEMPLATE:=$E2E_ROOT/build/wine-template}"
export WINEDEBUG=-all
# No desktop menu entries from winemenubuilder; no Mono or Gecko install prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
E2E_XVFB_PID=
E2E_RUN_DIR=

e2e_log() { echo "[wine-env] $*" >&2; }

# Seconds since the epoch with milliseconds, for the timing lines.
e2e_now() { date +%s.%N | cut -c1-14; }
e2e_since() { awk -v a="$1" -v b="$(e2e_now)" 'BEGIN { printf "%.1f s", b - a }'; }

# Starts Xvfb on a display it picks itself (-displayfd) and waits (at most
# 10 s) until it accepts clients; sets DISPLAY and E2E_XVFB_PID.
e2e_start_xvfb() {
  local dir=$1 i
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$dir/display" </dev/null >"$dir/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  for ((i = 0; i < 100; i++)); do
    if grep -q '^[0-9][0-9]*$' "$dir/display" 2>/dev/null; then
      DISPLAY=":$(head -n 1 "$dir/display")"
      export DISPLAY
      return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  e2e_log "Xvfb did not start: $(cat "$dir/xvfb.log" 2>/dev/null)"
  return 1
}

# The stop functions never fail, so that they also run to the end under set -e.
e2e_stop_xvfb() {
  [ -n "${E2E_XVFB_PID:-}" ] || return 0
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  local i
  for ((i = 0; i < 50; i++)); do
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=
}

# Stops every process of the prefix in WINEPREFIX and its wineserver.
e2e_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
  timeout 20 wineserver -k </dev/null >/dev/null 2>&1 || true
  timeout 20 wineserver -w </dev/null >/dev/null 2>&1 || true
}

# Builds the template prefix when it is missing, half-built or made by
# another Wine version. Needs DISPLAY. Parallel callers take turns (flock).
e2e_ensure_template() {
  local want stamp="$E2E_WINE_TEMPLATE/.e2e-template" start
  want="$(wine --version 2>/dev/null) Managed=N wine32=$SUITE_WINE32 fonts"
  mkdir -p "$(dirname "$E2E_WINE_TEMPLATE")"
  (
    flock -w 300 9 || { e2e_log "timed out waiting for another template build"; exit 1; }
    [ "$(cat "$stamp" 2>/dev/null)" = "$want" ] && exit 0
    start=$(e2e_now)
    e2e_log "building the template prefix $E2E_WINE_TEMPLATE (once; about 20 s)"
    rm -rf "$E2E_WINE_TEMPLATE"
    local tmp
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/e2e-template.XXXXXX")
    export WINEPREFIX="$E2E_WINE_TEMPLATE" TMPDIR="$tmp"
    # Without a window manager every hide or destroy of a visible window
    # waits 2 s for one: let Wine manage its windows itself (Managed=N).
    # A crashing program ends without opening the crash dialog.
    timeout 180 wine wineboot -i </dev/null >"$tmp/wineboot.log" 2>&1 &&
      timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >>"$tmp/wineboot.log" 2>&1 &&
      timeout 30 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        </dev/null >>"$tmp/wineboot.log" 2>&1
    local rc=$?
    [ $rc -ne 0 ] || suite_wine_fonts
    # The registry reaches the prefix's files when the wineserver exits.
    timeout 60 wineserver -w </dev/null >/dev/null 2>&1 || { timeout 20 wineserver -k; rc=1; }
    if [ $rc -ne 0 ]; then
      e2e_log "template build failed: $(tail -n 5 "$tmp/wineboot.log")"
      rm -rf "$tmp" "$E2E_WINE_TEMPLATE"
      exit 1
    fi
    # The prefix names its wineserver's socket folder under TMPDIR; each copy
    # gets one of its own, inside its run folder.
    rm -f "$E2E_WINE_TEMPLATE/wineserver"
    rm -rf "$tmp"
    echo "$want" >"$stamp"
    e2e_log "template prefix built in $(e2e_since "$start")"
  ) 9>"$E2E_WINE_TEMPLATE.lock"
}

# Starts a fresh environment: display, prefix copy, wineserver, services.
# Exports DISPLAY, WINEPREFIX and TMPDIR; E2E_RUN_DIR is the folder to remove.
e2e_env_start() {
  local start
  E2E_RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/e2e-wine.XXXXXX") || return 1
  e2e_start_xvfb "$E2E_RUN_DIR" || return 1
  e2e_ensure_template || return 1
  start=$(e2e_now)
  # Copies the contents, so that a template reached through a link is copied too.
  mkdir -p "$E2E_RUN_DIR/prefix" && cp -a "$E2E_WINE_TEMPLATE/." "$E2E_RUN_DIR/prefix" || return 1
  e2e_log "prefix copied in $(e2e_since "$start")"
  mkdir -p "$E2E_RUN_DIR/tmp"
  export WINEPREFIX="$E2E_RUN_DIR/prefix" TMPDIR="$E2E_RUN_DIR/tmp"
  start=$(e2e_now)
  # Start the server and Wine's background services now, detached from our
  # output: a service that inherits a test's output pipe keeps it open.
  timeout 20 wineserver -p </dev/null >/dev/null 2>&1 || { e2e_log "wineserver did not start"; return 1; }
  timeout 60 wine wineboot </dev/null >/dev/null 2>&1 || { e2e_log "wineboot failed"; return 1; }
  e2e_log "wine started on display $DISPLAY in $(e2e_since "$start")"
}

# Stops what e2e_env_start started and removes its folder.
e2e_env_stop() {
  if [ -n "${E2E_RUN_DIR:-}" ] && [ "${WINEPREFIX:-}" = "$E2E_RUN_DIR/prefix" ]; then
    e2e_stop_wine
  fi
  e2e_stop_xvfb
  if [ -n "${E2E_RUN_DIR:-}" ] && [ -z "${E2E_KEEP_RUN_DIR:-}" ]; then
    rm -rf "$E2E_RUN_DIR"
  fi
  E2E_RUN_DIR=
}

# A Windows path for a Linux path (drive Z: is the Linux root in the prefix).
e2e_winpath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  case "${1:-}" in
    template)
      dir=$(mktemp -d "${TMPDIR:-/tmp}/e2e-wine.XXXXXX")
      trap 'e2e_stop_xvfb; rm -rf "$dir"' EXIT
      e2e_start_xvfb "$dir" && e2e_ensure_template
      ;;
    run)
      shift
      [ $# -gt 0 ] || { echo "usage: $0 run COMMAND [ARG...]" >&2; exit 2; }
      trap 'e2e_env_stop' EXIT
      trap 'exit 130' INT TERM
      e2e_env_start || exit 1
      "$@"
      ;;
    *)
      echo "usage: $0 template | run COMMAND [ARG...]   (or source it)" >&2
      exit 2
      ;;
  esac
fi
