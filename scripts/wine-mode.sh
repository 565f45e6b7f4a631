# How Wine is started on this machine; sourced by scripts/test, scripts/run,
# scripts/bench and e2e/wine-env.sh, so that they all decide alike.
#
#   . scripts/wine-mode.sh; suite_wine_setup
#
# Some kernels cannot run 32-bit Linux programs, and Wine's 32-bit loader
# (/usr/lib/wine/wine, which the `wine` command prefers) fails there with
# "Exec format error". suite_wine_setup then puts scripts/wine64-only first on
# PATH, so that `wine`, `wineboot`, `winepath` and the test emulator all use
# the 64-bit loader: 64-bit programs run, 32-bit ones cannot.
#
# It exports SUITE_WINE32=1 where 32-bit Windows programs run under Wine, 0
# where they do not, and then SUITE_WINE32_WHY says why not. Setting SUITE_WINE32=0 beforehand forces the 64-bit-only
# way on any machine (to try it where 32-bit programs do run).

# Whether this machine's kernel runs 32-bit x86 Linux programs: it starts a
# 93-byte 32-bit program that only exits. SUITE_WINE32=0 or 1 answers instead.
suite_runs_32bit() {
  case "${SUITE_WINE32:-}" in 0) return 1 ;; 1) return 0 ;; esac
  local probe rc=0
  probe=$(mktemp "${TMPDIR:-/tmp}/elf32.XXXXXX") || return 1
  # ELF header, one loadable segment at 0x08048000, then
  # xor ebx,ebx; mov eax,1; int 0x80 (exit 0).
  printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || rc=1
  rm -f "$probe"
  return $rc
}

suite_wine_setup() {
  local shims
  shims="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-only"
  if [ -z "${SUITE_WINE32:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
      SUITE_WINE32=1
    else
      SUITE_WINE32=0
      if ! suite_runs_32bit; then
        SUITE_WINE32_WHY="this machine's kernel cannot run 32-bit programs"
      else
        SUITE_WINE32_WHY="Wine's 32-bit half (wine32:i386) is not installed"
      fi
    fi
  fi
  [ "$SUITE_WINE32" = 1 ] || : "${SUITE_WINE32_WHY:=SUITE_WINE32=0 was set}"
  export SUITE_WINE32 SUITE_WINE32_WHY
  if [ "$SUITE_WINE32" = 0 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    case ":$PATH:" in
      *":$shims:"*) ;;
      *) export PATH="$shims:$PATH" ;;
    esac
  fi
}

# The build whose programs Wine runs here for someone to look at: the 32-bit
# one (what users get) where it runs, else the 64-bit one.
suite_wine_preset() {
  if [ "${SUITE_WINE32:-1}" = 1 ]; then echo win32; else echo win64; fi
}

# Gives the prefix in $WINEPREFIX (default ~/.wine) the fonts a user's Wine
# has: those of Debian's fonts-wine, Marlett among them, which draws caption
# buttons and scroll arrows. Wine's 64-bit-only loader does not find its own
# copies, so a prefix it makes would show the buttons as "0 1 r". Copies only
# what the prefix lacks; call it after the prefix exists.
suite_wine_fonts() {
  local fonts=${WINEPREFIX:-$HOME/.wine}/drive_c/windows/Fonts font
  [ -d "$fonts" ] || return 0
  for font in /usr/share/wine/fonts/*; do
    [ -f "$font" ] && [ ! -e "$fonts/${font##*/}" ] && cp "$font" "$fonts/"
  done
  return 0
}
