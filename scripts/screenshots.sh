#!/usr/bin/env bash
# Pictures of the program's windows for the documentation: runs the screenshots tool under
# Wine on Xvfb over a sample ledger and turns its BMP pictures into PNGs.
#   screenshots.sh WIN_BUILD DIST OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: screenshots.sh WIN_BUILD DIST OUT}")
dist=$(realpath "${2:?usage: screenshots.sh WIN_BUILD DIST OUT}")
out=${3:?usage: screenshots.sh WIN_BUILD DIST OUT}
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/wine-run.sh" "$build/wineprefix" "$build/tools/screenshots/screenshots.exe" \
  "Z:${dist//\//\\}" "Z:${work//\//\\}"
for picture in "$work"/*.bmp; do
  name=$(basename "$picture" .bmp)
  convert "$picture" -strip "$out/$name.png"
  echo "screenshots: $out/$name.png"
done
