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
# where they do not. Setting SUITE_WINE32=0 beforehand forces the 64-bit-only
# way on any machine (to try it where 32-bit programs do run).

suite_wine_setup() {
  local shims
  shims="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-only"
  if [ -z "${SUITE_WINE32:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
      SUITE_WINE32=1
    else
      SUITE_WINE32=0
    fi
  fi
  export SUITE_WINE32
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
