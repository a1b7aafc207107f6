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
# The icons of the installed app, drawn from the SVG: 192 and 512 pixels,
# and a maskable one, the icon at 80 % on its tile's colour, so that a
# launcher's round or squircle mask cuts nothing of it.
svg=packaging/icons/hicolor/scalable/apps/io.github.bookkeeper.Bookkeeper.svg
cp "$svg" "$site/icon.svg"
rsvg-convert -w 192 -h 192 "$svg" -o "$site/icon-192.png"
rsvg-convert -w 512 -h 512 "$svg" -o "$site/icon-512.png"
{
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 256 256">'
  echo '<rect width="256" height="256" fill="#1b6650"/>'
  echo '<svg x="25.6" y="25.6" width="204.8" height="204.8" viewBox="0 0 256 256">'
  sed -n '/<svg/,$p' "$svg" | sed '1d;$d'
  echo '</svg></svg>'
} | rsvg-convert -w 512 -h 512 -o "$site/icon-maskable.png"
# What the app looks like, for the browser's install dialog.
cp packaging/web/screenshot-narrow.png packaging/web/screenshot-wide.png "$site/"
# The licence and the notices of what the WebAssembly carries, linked from the page.
cp LICENSE "$site/LICENSE.txt"
scripts/third-party-notices.sh >"$site/THIRD-PARTY-NOTICES.txt"

# The worker caches the site's address ("./") and every file but those only
# the browser's install dialog shows (the screenshots, the large and the
# maskable icon), which a first visit need not download; its version is a
# digest of the files it caches, so that any change installs a new offline
# copy.
files=$(cd "$site" && find . -type f ! -name 'screenshot-*' ! -name icon-512.png ! -name icon-maskable.png | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(printf '"./"'; for f in $files; do printf ', "%s"' "$f"; done)
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|[$list]|" frontends/web/sw.js >"$site/sw.js"
echo "web edition: $site (version $version)"
