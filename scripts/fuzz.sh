#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs each for the
# given number of seconds, starting from a corpus that grows under build/fuzz/corpus.
# Inputs that crash are kept in build/fuzz/crashes/<target>/ for regression tests.
#   fuzz.sh BUILD_ROOT SECONDS
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: fuzz.sh BUILD_ROOT SECONDS}/fuzz
seconds=${2:-600}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTAVO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_package_reader fuzz_bitmap fuzz_inflate skinpack

# First seeds: a small skin package with and without a password, its bitmap, its data.
if [[ ! -d "$build/corpus" ]]; then
  seeds=$(mktemp -d)
  mkdir -p "$seeds/skin" "$build/corpus/package_reader" "$build/corpus/bitmap" "$build/corpus/inflate"
  printf '[colors]\nSKIN2_FORMCOLOR=#C0C0C0\n[positions]\nSKIN2_TITLEHEIGHT=22\n[flags]\nSKIN2_TITLETRANS=1\n' \
    > "$seeds/skin/skin.ini"
  convert -size 7x5 gradient:red-blue "BMP3:$seeds/skin/SKIN2_TITLEBAR.bmp"
  convert -size 5x3 xc:gray -colors 16 -type Palette "BMP3:$seeds/skin/SKIN2_BUTTON.bmp"
  "$build/tools/skinpack/skinpack" build "$seeds/skin" "$build/corpus/package_reader/plain.ssk" >/dev/null
  "$build/tools/skinpack/skinpack" build "$seeds/skin" "$build/corpus/package_reader/locked.ssk" --password secret >/dev/null
  cp "$seeds/skin/"*.bmp "$build/corpus/bitmap/"
  printf 'deflate me deflate me deflate me' | python3 -c 'import sys,zlib; c=zlib.compressobj(9,zlib.DEFLATED,-15); sys.stdout.buffer.write(c.compress(sys.stdin.buffer.read())+c.flush())' \
    > "$build/corpus/inflate/seed.bin"
  rm -rf "$seeds"
fi
rc=0
for target in package_reader bitmap inflate; do
  corpus="$build/corpus/$target" crashes="$build/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  echo "fuzz: $target for $seconds s"
  "$build/fuzz/fuzz_$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$crashes/" -print_final_stats=1 2>&1 | tail -n 25 || rc=1
done
exit $rc
