# The programs of a release, read from packaging/programs.txt; sourced by
# scripts/release, scripts/test-release and scripts/screenshots.
#
#   . scripts/programs.sh; suite_programs
#
# fills, one element per listed program and in the list's order:
#   PROGRAM_DIRS      folder, CMake target and exe name (velnote -> velnote.exe)
#   PROGRAM_NAMES     name of its Start-menu shortcut
#   PROGRAM_CAPTIONS  caption of its main window, blanks kept
#   PROGRAM_FILES     files it keeps next to itself, blank separated ("" for none)
#   PROGRAM_KEYS      its key under HKEY_CURRENT_USER ("" for none)

suite_programs() {
  local list line dir name caption files key
  list="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/packaging/programs.txt"
  PROGRAM_DIRS=() PROGRAM_NAMES=() PROGRAM_CAPTIONS=() PROGRAM_FILES=() PROGRAM_KEYS=()
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '#'* | '') continue ;; esac
    IFS='|' read -r dir name caption files key <<<"$line"
    dir=$(_suite_trim "$dir") name=$(_suite_trim "$name") files=$(_suite_trim "$files") key=$(_suite_trim "$key")
    caption=$(_suite_trim "$caption")
    caption=${caption#\"} caption=${caption%\"}
    [ "$files" = - ] && files=
    [ "$key" = - ] && key=
    if [ -z "$dir" ] || [ -z "$name" ] || [ -z "$caption" ]; then
      echo "packaging/programs.txt: incomplete line: $line" >&2
      return 1
    fi
    PROGRAM_DIRS+=("$dir") PROGRAM_NAMES+=("$name") PROGRAM_CAPTIONS+=("$caption")
    PROGRAM_FILES+=("$files") PROGRAM_KEYS+=("$key")
  done <"$list"
}

_suite_trim() {
  local s=$1
  s=${s#"${s%%[![:space:]]*}"}
  s=${s%"${s##*[![:space:]]}"}
  printf '%s' "$s"
}
