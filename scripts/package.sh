#!/usr/bin/env bash
# Makes the two release files from a Windows build (and the native build beside it, which
# draws the skins and makes the empty ledger):
#   OUT/Zentavo-VERSION-setup.exe   the setup program (packaging/Zentavo.nsi, NSIS)
#   OUT/Zentavo-VERSION.zip         the same files as the portable folder Zentavo/
# Both are filled from a fresh distribution folder, never from dist/Zentavo, where `make run`
# keeps a ledger and settings of its own.
#   package.sh WIN_BUILD OUT
set -euo pipefail
build=${1:?usage: package.sh WIN_BUILD OUT}
out=${2:?usage: package.sh WIN_BUILD OUT}
root=$(cd "$(dirname "$0")/.." && pwd)

version=$(tr -d ' \r\n' <"$root/VERSION")
if [[ ! $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "package: $root/VERSION must hold MAJOR.MINOR.PATCH, not '$version'" >&2
  exit 1
fi
for tool in makensis zip; do
  command -v "$tool" >/dev/null || { echo "package: $tool is missing; run scripts/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/Zentavo
"$root/scripts/make-dist.sh" "$build" "$stage" >/dev/null
for file in Zentavo.exe money.mdb; do
  [[ -f "$stage/$file" ]] || { echo "package: $stage/$file is missing" >&2; exit 1; }
done

# The user's own files: an upgrade leaves them as they are. config.ini is never shipped.
kept=(money.mdb incomeType.dat outgoType.dat)
is_kept() {
  local name
  for name in "${kept[@]}"; do [[ $1 == "$name" ]] && return 0; done
  return 1
}
# NSIS expands $ in strings; file names reach it literally.
nsis() { printf '%s' "${1//\$/\$\$}"; }
windows() { nsis "${1//\//\\}"; }

files=$(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
dirs=$(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r)
{
  echo '!macro InstallProgramFiles'
  echo '  SetOverwrite on'
  current=$'\n'
  while IFS= read -r file; do
    is_kept "$file" && continue
    dir=$(dirname "$file")
    [[ $dir == . ]] && dir=
    if [[ $dir != "$current" ]]; then
      echo "  SetOutPath \"\$INSTDIR${dir:+\\$(windows "$dir")}\""
      current=$dir
    fi
    echo "  File \"$(nsis "$stage/$file")\""
  done <<<"$files"
  echo '  SetOutPath "$INSTDIR"'
  echo '  SetOverwrite off'
  for file in "${kept[@]}"; do
    [[ -f "$stage/$file" ]] && echo "  File \"$(nsis "$stage/$file")\""
  done
  echo '  SetOverwrite on'
  echo '!macroend'
  echo '!macro RemoveProgramFiles'
  while IFS= read -r file; do
    [[ $file == money.mdb ]] && continue
    echo "  Delete \"\$INSTDIR\\$(windows "$file")\""
  done <<<"$files"
  while IFS= read -r dir; do
    [[ -n $dir ]] && echo "  RMDir \"\$INSTDIR\\$(windows "$dir")\""
  done <<<"$dirs"
  echo '!macroend'
} >"$work/files.nsh"

mkdir -p "$out"
setup=$out/Zentavo-$version-setup.exe zip=$out/Zentavo-$version.zip
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$work/files.nsh" \
  -DOUTFILE="$work/$(basename "$setup")" "$root/packaging/Zentavo.nsi"
(cd "$work" && zip -q -r -X portable.zip Zentavo)
mv -f "$work/$(basename "$setup")" "$setup"
mv -f "$work/portable.zip" "$zip"
echo "package: $setup"
echo "package: $zip"
