#!/usr/bin/env bash
# Installs every system package the build, the tests and `make run` need.
# Idempotent: packages already present are skipped, so a warm machine pays nothing.
set -euo pipefail

packages=(
  cmake g++ make g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth x11-apps imagemagick
  fonts-wine fonts-wqy-microhei
  googletest libbenchmark-dev zlib1g-dev libz-mingw-w64-dev
  nsis zip
)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
