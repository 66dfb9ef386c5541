#!/usr/bin/env bash
# Writes the program's icon (Zentavo.ico) beside the program with the native icongen, for
# the setup program's shortcuts. Generated; no image is kept in the repository.
#   icon.sh WIN_BUILD DEST
set -euo pipefail
build=${1:?usage: icon.sh WIN_BUILD DEST}
dest=${2:?usage: icon.sh WIN_BUILD DEST}
tool="$(cd "$build/.." && pwd)/native/tools/icongen/icongen"
if [[ ! -x "$tool" ]]; then
  echo "dist: $tool is missing; build the native tree first (make native)" >&2
  exit 1
fi
"$tool" "$dest"
echo "dist: icon in $dest"
