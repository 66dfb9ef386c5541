#!/usr/bin/env bash
# Pictures of the program's windows under each default skin for the documentation: runs
# the screenshots tool's skins mode under Wine on Xvfb over the distribution's skin
# packages and turns its BMP pictures into PNGs.
#   skin-windows.sh WIN_BUILD DIST OUT
# The Wine prefix is WIN_BUILD/wineprefix unless WINE_PREFIX names another.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
usage="usage: skin-windows.sh WIN_BUILD DIST OUT"
build=$(realpath "${1:?$usage}")
dist=$(realpath "${2:?$usage}")
out=${3:?$usage}
prefix=${WINE_PREFIX:-$build/wineprefix}
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

windows() { local path=${1//\//\\}; echo "Z:$path"; }
"$here/wine-run.sh" "$prefix" "$build/tools/screenshots/screenshots.exe" --skins \
  "$(windows "$dist/skins")" "$(windows "$dist")" "$(windows "$work")"
count=0
for picture in "$work"/*.bmp; do
  [[ -f "$picture" ]] || continue
  name=$(basename "$picture" .bmp)
  convert "$picture" -strip "$out/$name.png"
  count=$((count + 1))
done
# 18 skins with their editor, statistics and open-file windows, Chinese pictures of two,
# and the three-skin row.
if ((count < 75)); then
  echo "skin-windows: only $count pictures made" >&2
  exit 1
fi
echo "skin-windows: $count pictures in $out"
