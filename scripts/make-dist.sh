#!/usr/bin/env bash
# Assembles the distribution folder from the Windows build: the program, its tools and
# the data files it reads from its own folder.
set -euo pipefail
build=${1:?usage: make-dist.sh WIN_BUILD DEST}
dest=${2:?usage: make-dist.sh WIN_BUILD DEST}
root=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p "$dest"
# Shipped without debug information; the build folder keeps the full executables.
strip=x86_64-w64-mingw32-strip
cp "$build/src/Zentavo.exe" "$dest/" && $strip "$dest/Zentavo.exe"
for tool in ledgertool skinpack skinview; do
  if [[ -f "$build/tools/$tool/$tool.exe" ]]; then
    cp "$build/tools/$tool/$tool.exe" "$dest/" && $strip "$dest/$tool.exe"
  fi
done
# Data files shipped beside the program (language files, category lists, ...).
if [[ -d "$root/data/dist" ]]; then
  cp -r "$root/data/dist/." "$dest/"
fi
# Steps that generate distribution files register themselves here.
for step in "$root"/scripts/dist.d/*.sh; do
  [[ -f "$step" ]] && bash "$step" "$build" "$dest"
done
echo "make-dist: $dest ready"
