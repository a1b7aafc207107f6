#!/usr/bin/env bash
# Builds the web edition into build-web/site/: the core compiled to
# WebAssembly (build-web/wasm/, rebuilt only where sources changed), the
# page's TypeScript, its HTML, CSS, manifest and icons, the licence and the
# third-party notices, and the service worker with the list of every file. Called by scripts/setup.sh and run.sh --web;
# expects what setup.sh installs (emscripten, node-acorn, the npm packages).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Debian's emscripten finds its JavaScript optimizer among Debian's node modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
[ -f build-web/wasm/build.ninja ] || emcmake cmake --preset web >/dev/null
cmake --build --preset web --parallel "$(nproc)"

site=build-web/site
rm -rf "$site"
mkdir -p "$site"
frontends/web/node_modules/.bin/tsc -p frontends/web
cp frontends/web/index.html frontends/web/style.css frontends/web/manifest.webmanifest build-web/wasm/bin/bookkeeper.js build-web/wasm/bin/bookkeeper.wasm "$site/"
cp packaging/icons/hicolor/scalable/apps/io.github.bookkeeper.Bookkeeper.svg "$site/icon.svg"
cp packaging/icons/hicolor/256x256/apps/io.github.bookkeeper.Bookkeeper.png "$site/icon-256.png"
# The licence and the notices of what the WebAssembly carries, linked from the page.
cp LICENSE "$site/LICENSE.txt"
scripts/third-party-notices.sh >"$site/THIRD-PARTY-NOTICES.txt"

# The worker caches the site's address ("./") and every file; its version is
# a digest of them all, so that any change installs a new offline copy.
files=$(cd "$site" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(printf '"./"'; for f in $files; do printf ', "%s"' "$f"; done)
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|[$list]|" frontends/web/sw.js >"$site/sw.js"
echo "web edition: $site (version $version)"
