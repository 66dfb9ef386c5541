#!/usr/bin/env bash
# Fetches the SQLite3 Multiple Ciphers amalgamation from its npm package, checks the
# tarball's SHA-256 and unpacks sqlite3.c/sqlite3.h into DEST. Reuses DEST when complete.
set -euo pipefail

dest=${1:?usage: fetch-sqlite.sh DEST}
package=better-sqlite3-multiple-ciphers@13.0.3
expected=24a11e221247fc003f755ad0f82126bc6b0295d0be1c06f3cb3e48d9db8eb898

if [[ -f "$dest/sqlite3.c" && -f "$dest/sqlite3.h" && -f "$dest/.verified" ]]; then
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package" >/dev/null)
tarball=$(ls "$work"/*.tgz)
actual=$(sha256sum "$tarball" | cut -d' ' -f1)
if [[ "$actual" != "$expected" ]]; then
  echo "fetch-sqlite: checksum mismatch for $package" >&2
  echo "  expected $expected" >&2
  echo "  got      $actual" >&2
  echo "The downloaded package is not the one this build was verified with; refusing to use it." >&2
  exit 1
fi

mkdir -p "$work/x"
tar -xzf "$tarball" -C "$work/x"
src=$(find "$work/x" -name sqlite3.c -path '*sqlite3*' | head -n 1)
if [[ -z "$src" ]]; then
  echo "fetch-sqlite: sqlite3.c not found inside $package" >&2
  exit 1
fi
mkdir -p "$dest"
cp "$src" "$(dirname "$src")/sqlite3.h" "$dest/"
echo "$package $expected" >"$dest/.verified"
echo "fetch-sqlite: $package unpacked into $dest"
