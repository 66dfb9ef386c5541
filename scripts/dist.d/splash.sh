#!/usr/bin/env bash
# Draws the two splash pictures (splash-en.bmp, splash-gb.bmp) with the native splashgen
# beside the program. They are generated; no picture is kept in the repository.
#   splash.sh WIN_BUILD DEST
set -euo pipefail
build=${1:?usage: splash.sh WIN_BUILD DEST}
dest=${2:?usage: splash.sh WIN_BUILD DEST}
source "$(dirname "$0")/../native-tool.sh"
tool=$(native_tool "$build" splashgen)
"$tool" "$dest" >/dev/null
echo "dist: splash pictures in $dest"
