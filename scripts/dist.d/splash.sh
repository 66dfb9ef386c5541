#!/usr/bin/env bash
# Draws the two splash pictures (splash-en.bmp, splash-gb.bmp) with the native splashgen
# beside the program. They are generated; no picture is kept in the repository.
#   splash.sh WIN_BUILD DEST
set -euo pipefail
build=${1:?usage: splash.sh WIN_BUILD DEST}
dest=${2:?usage: splash.sh WIN_BUILD DEST}
tool="$(cd "$build/.." && pwd)/native/tools/splashgen/splashgen"
if [[ ! -x "$tool" ]]; then
  echo "dist: $tool is missing; build the native tree first (make native)" >&2
  exit 1
fi
"$tool" "$dest" >/dev/null
echo "dist: splash pictures in $dest"
