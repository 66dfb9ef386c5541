#!/usr/bin/env bash
# Creates (once) the Wine prefix given as $1: 64-bit, CJK font links, and the X11 driver
# told to leave window decoration to the program so that its own frames show.
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="

# Wine draws the standard caption buttons with the Marlett font, which it does not find
# in its own data folder here: without a copy in the prefix they show as "0 1 r".
install_fonts() {
  local fonts="$prefix/drive_c/windows/Fonts" font
  [[ -d "$fonts" ]] || return 0
  for font in /usr/share/wine/fonts/marlett.ttf; do
    [[ -f "$font" && ! -f "$fonts/$(basename "$font")" ]] && cp "$font" "$fonts/"
  done
  return 0
}
if [[ -f "$prefix/.zentavo-ready" ]]; then
  install_fonts
  exit 0
fi

mkdir -p "$prefix"
echo "wine-prefix: creating $prefix (once per build folder)" >&2
wineboot -i >/dev/null 2>&1 || true
link='wqy-microhei.ttc,WenQuanYi Micro Hei'
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" SimSun "Segoe UI"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "$face" /t REG_MULTI_SZ /d "$link" /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
# Without a window manager (Xvfb) a managed window that is hidden or destroyed makes Wine
# wait two seconds for the manager; tests run unmanaged. run.sh manages them on a real
# display.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
install_fonts
touch "$prefix/.zentavo-ready"
