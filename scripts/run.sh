#!/usr/bin/env bash
# Starts the assembled program under Wine inside a Wine virtual desktop. With $DISPLAY it
# runs until the user closes it; without one it runs on a private Xvfb, saves a screenshot
# to build/screenshots/main.png and ends the program.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dist=$(realpath "${1:?usage: run.sh DIST BUILD}")
build=$(realpath "${2:?usage: run.sh DIST BUILD}")
prefix="$build/win/wineprefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$prefix" || exit 1

if [[ -n "${DISPLAY:-}" ]]; then
  # A real display has a window manager: let it manage the desktop window while we run.
  managed() { wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$1" /f >/dev/null 2>&1; }
  managed Y
  (cd "$dist" && wine explorer /desktop=zentavo,1024x768 Zentavo.exe)
  rc=$?
  managed N
  exit $rc
fi

mkdir -p "$build/screenshots"
shot="$build/screenshots/${ZENTAVO_SCREENSHOT_NAME:-main}.png"
"$here/with-display.sh" bash -c '
  cd "$1" || exit 1
  wine explorer /desktop=zentavo,1024x768 Zentavo.exe &
  sleep "${ZENTAVO_SCREENSHOT_DELAY:-6}"
  import -window root -crop 1024x768+0+0 +repage "$2"
  rc=$?
  wineserver -k; wineserver -w
  wait
  exit $rc' run "$dist" "$shot"
rc=$?
[[ $rc -eq 0 ]] && echo "run: screenshot saved to $shot"
exit $rc
