#!/usr/bin/env bash
# Draws the eighteen default skins with the native skingen and packs each with the native
# skinpack into DEST/skins/<Name>.ssk. The skins are generated from their descriptions in
# tools/skingen; no image is kept in the repository.
#   skins.sh WIN_BUILD DEST
set -euo pipefail
build=${1:?usage: skins.sh WIN_BUILD DEST}
dest=${2:?usage: skins.sh WIN_BUILD DEST}
source "$(dirname "$0")/../native-tool.sh"
skingen=$(native_tool "$build" skingen)
skinpack=$(native_tool "$build" skinpack)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$skingen" "$work" >/dev/null
mkdir -p "$dest/skins"
count=0
for folder in "$work"/*/; do
  "$skinpack" build "$folder" "$dest/skins/$(basename "$folder").ssk" >/dev/null
  count=$((count + 1))
done
echo "dist: $count skins in $dest/skins"
