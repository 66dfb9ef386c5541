#!/usr/bin/env bash
# Pictures of the skin preview program under each packaged skin, for skin designers:
# runs skinview under Wine on Xvfb once per package and turns its BMP into a PNG.
#   skin-previews.sh WIN_BUILD DIST OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: skin-previews.sh WIN_BUILD DIST OUT}")
dist=$(realpath "${2:?usage: skin-previews.sh WIN_BUILD DIST OUT}")
out=${3:?usage: skin-previews.sh WIN_BUILD DIST OUT}
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
packages=("$dist"/skins/*.ssk)
((${#packages[@]})) || { echo "skin-previews: no packages in $dist/skins" >&2; exit 1; }
for package in "${packages[@]}"; do
  name=$(basename "$package" .ssk)
  "$here/wine-run.sh" "$build/wineprefix" "$dist/skinview.exe" "Z:${package//\//\\}" \
    --screenshot "Z:${work//\//\\}\\$name.bmp"
  convert "$work/$name.bmp" -strip "$out/$name.png"
  echo "skin-previews: $out/$name.png"
done
