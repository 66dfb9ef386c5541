#!/usr/bin/env bash
# Writes the program's icon (Zentavo.ico) beside the program with the native icongen, for
# the setup program's shortcuts. Generated; no image is kept in the repository.
#   icon.sh WIN_BUILD DEST
set -euo pipefail
build=${1:?usage: icon.sh WIN_BUILD DEST}
dest=${2:?usage: icon.sh WIN_BUILD DEST}
source "$(dirname "$0")/../native-tool.sh"
tool=$(native_tool "$build" icongen)
"$tool" "$dest"
echo "dist: icon in $dest"
