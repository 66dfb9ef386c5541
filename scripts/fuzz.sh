#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs each for the
# given number of seconds, starting from a corpus that grows under build/fuzz/corpus.
# Inputs that crash are kept in build/fuzz/crashes/<target>/ for regression tests.
#   fuzz.sh BUILD_ROOT SECONDS
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: fuzz.sh BUILD_ROOT SECONDS}/fuzz
seconds=${2:-600}
targets=(package_reader bitmap inflate inflate_differential)

# libFuzzer comes with clang; only fuzzing needs it, so it is installed here, not with the
# packages every build needs.
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: installing clang"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends clang
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTAVO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}" skinpack

# First seeds, for each target whose corpus folder does not exist yet.
corpus=$build/corpus
if [[ ! -d "$corpus/package_reader" || ! -d "$corpus/bitmap" ]]; then
  # A small skin package with and without a password, and its bitmaps.
  seeds=$(mktemp -d)
  mkdir -p "$seeds/skin" "$corpus/package_reader" "$corpus/bitmap"
  printf '[colors]\nSKIN2_FORMCOLOR=#C0C0C0\n[positions]\nSKIN2_TITLEHEIGHT=22\n[flags]\nSKIN2_TITLETRANS=1\n' \
    > "$seeds/skin/skin.ini"
  convert -size 7x5 gradient:red-blue "BMP3:$seeds/skin/SKIN2_TITLEBAR.bmp"
  convert -size 5x3 xc:gray -colors 16 -type Palette "BMP3:$seeds/skin/SKIN2_BUTTON.bmp"
  "$build/tools/skinpack/skinpack" build "$seeds/skin" "$corpus/package_reader/plain.ssk" >/dev/null
  "$build/tools/skinpack/skinpack" build "$seeds/skin" "$corpus/package_reader/locked.ssk" --password secret >/dev/null
  cp "$seeds/skin/"*.bmp "$corpus/bitmap/"
  rm -rf "$seeds"
fi
if [[ ! -d "$corpus/inflate" ]]; then
  mkdir -p "$corpus/inflate"
  printf 'deflate me deflate me deflate me' | python3 -c 'import sys,zlib; c=zlib.compressobj(9,zlib.DEFLATED,-15); sys.stdout.buffer.write(c.compress(sys.stdin.buffer.read())+c.flush())' \
    > "$corpus/inflate/seed.bin"
fi
if [[ ! -d "$corpus/inflate_differential" ]]; then
  # Raw streams of every block type, one with a stored block between dynamic ones (random
  # bytes in the middle); their first bytes double as deflate settings for the round trip.
  mkdir -p "$corpus/inflate_differential"
  python3 - "$corpus/inflate_differential" <<'PY'
import random, sys, zlib
text = b"income outgo ledger skin window 12.50\r\n" * 40
noise = random.Random(1).randbytes(3000)
seeds = {
    "dynamic": (text, 9, 8, zlib.Z_DEFAULT_STRATEGY),
    "stored-between-dynamic": (text + noise + text, 6, 1, zlib.Z_DEFAULT_STRATEGY),
    "fixed": (text, 1, 8, zlib.Z_FIXED),
    "huffman-only": (text, 6, 9, zlib.Z_HUFFMAN_ONLY),
    "stored": (text[:300], 0, 8, zlib.Z_DEFAULT_STRATEGY),
}
for name, (data, level, mem, strategy) in seeds.items():
    c = zlib.compressobj(level, zlib.DEFLATED, -15, mem, strategy)
    with open(f"{sys.argv[1]}/{name}.bin", "wb") as f:
        f.write(c.compress(data) + c.flush())
PY
fi

rc=0
for target in "${targets[@]}"; do
  crashes="$build/crashes/$target"
  mkdir -p "$corpus/$target" "$crashes"
  echo "fuzz: $target for $seconds s"
  "$build/fuzz/fuzz_$target" "$corpus/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$crashes/" -print_final_stats=1 2>&1 | tail -n 25 || rc=1
done
exit $rc
