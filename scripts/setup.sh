#!/usr/bin/env bash
# Installs what the build and the tests need and is missing, then configures
# and builds bookkeeper. Called by run.sh, test.sh and the fuzz runner. The
# builds are the configure presets in CMakePresets.json; warnings are errors
# when BOOKKEEPER_WERROR=ON is in the environment.
#   scripts/setup.sh             Release build in build/, and the web edition in build-web/site/
#   scripts/setup.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer build in build-sanitize/
#   scripts/setup.sh --fuzz      clang, for the libFuzzer targets (built by tests/fuzz/run.sh)
set -euo pipefail

mode="${1:-}"
# poppler-utils: pdftotext, with which a GUI test reads the voucher it printed to PDF.
# python3: the test that every window has its worked examples, and the
# whole-catalogue script's maker.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libgl-dev
          fonts-noto-cjk libgtest-dev libbenchmark-dev
          dpkg-dev file desktop-file-utils appstream lintian
          libboost-dev poppler-utils python3)
# The web edition: the compiler to WebAssembly with the JavaScript optimizer
# it runs, Node.js and npm for the page's TypeScript and its browser tests,
# the browser they run in, and the converter that draws the PNG icons of
# the web app from the SVG one.
if [ "$mode" = "" ]; then
  packages+=(emscripten node-acorn nodejs chromium librsvg2-bin)
  command -v npm >/dev/null || packages+=(npm)
fi
[ "$mode" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)
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
case "$mode" in
  "")
    cmake --preset release
    cmake --build --preset release --parallel "$(nproc)"
    # The page's npm packages, exactly as the lockfile pins them.
    if [ ! -f frontends/web/node_modules/.package-lock.json ] || [ frontends/web/package-lock.json -nt frontends/web/node_modules/.package-lock.json ]; then
      (cd frontends/web && npm ci --no-audit --no-fund)
    fi
    scripts/build-web.sh
    ;;
  --sanitize)
    cmake --preset sanitize
    cmake --build --preset sanitize --parallel "$(nproc)"
    ;;
  --fuzz)
    ;;
  *)
    echo "usage: scripts/setup.sh [--sanitize | --fuzz]" >&2
    exit 2
    ;;
esac
