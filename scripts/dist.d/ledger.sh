#!/usr/bin/env bash
# Puts an empty ledger (money.mdb) into the distribution unless one is there already. The
# native ledgertool makes it: the file format is the same on both systems, and no Wine is
# needed.
#   ledger.sh WIN_BUILD DEST
set -euo pipefail
build=${1:?usage: ledger.sh WIN_BUILD DEST}
dest=${2:?usage: ledger.sh WIN_BUILD DEST}
source "$(dirname "$0")/../native-tool.sh"

if [[ -e "$dest/money.mdb" ]]; then
  echo "dist: $dest/money.mdb kept"
  exit 0
fi
tool=$(native_tool "$build" ledgertool)
"$tool" create "$dest/money.mdb"
echo "dist: empty ledger $dest/money.mdb made"
