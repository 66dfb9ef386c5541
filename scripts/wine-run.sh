#!/usr/bin/env bash
# CTest's emulator for Windows executables: runs one program under Wine in the build's own
# prefix (created on first use), on an X display, serialised per prefix, and leaves no
# Wine process behind.
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${1:?usage: wine-run.sh PREFIX PROGRAM [ARGS...]}
shift

export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
"$here/wine-prefix.sh" "$prefix" || exit 1

run() {
  wine "$@"
  local rc=$?
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  return $rc
}
"$here/with-display.sh" bash -c "$(declare -f run); run \"\$@\"" run "$@"
