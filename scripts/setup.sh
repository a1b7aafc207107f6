#!/usr/bin/env bash
# Installs what the build and the tests need and is missing, then configures
# and builds bookkeeper (Release) in build/. Sourced by run.sh and test.sh.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libgl-dev
          fonts-noto-cjk libgtest-dev libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
