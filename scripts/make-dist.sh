#!/usr/bin/env bash
# Assembles the distribution folder from the Windows build: the program, its tools and
# the data files it reads from its own folder.
set -euo pipefail
build=${1:?usage: make-dist.sh WIN_BUILD DEST}
dest=${2:?usage: make-dist.sh WIN_BUILD DEST}
root=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p "$dest"
cp "$build/src/Zentavo.exe" "$dest/"
for tool in ledgertool skinpack; do
  [[ -f "$build/tools/$tool/$tool.exe" ]] && cp "$build/tools/$tool/$tool.exe" "$dest/"
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
