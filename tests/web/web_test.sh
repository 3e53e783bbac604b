#!/usr/bin/env bash
# The web site as scripts/web.sh builds it (Debian's emscripten, warnings as errors),
# in a scratch folder; then its engine, run by node, must show the command line's
# reports, its npm package must install and answer as the command line does
# (npm_test.sh), and in Debian's Chromium the page must behave (browser_test.py).
# Usage: web_test.sh SOURCE_DIR ZEFNARO_CLI NPM_CACHE_DIR
set -euo pipefail
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs} # emscripten's acorn, for a node not from Debian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
emcmake cmake -S "$1" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEFNARO_GUI=OFF \
  -DZEFNARO_CLI=OFF -DZEFNARO_TESTS=OFF -DZEFNARO_BENCH=OFF -DZEFNARO_PYTHON=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -Wno-dev >/dev/null 2>&1
cmake --build "$work" --target zefnaro_site >/dev/null
for file in index.html index.js first.js full.js first.mjs first.wasm app.js language.js engine.js calls.js page.js numbers.js date.js year.js practice.js find.js find-worker.js keypad.js worksheet.js sw.js \
            manifest.webmanifest zefnaro.mjs zefnaro.wasm \
            ZefnaroCoptic.woff2 icon.svg icon-192.png icon-512.png; do
  [ -s "$work/site/$file" ] || { echo "FAIL: the site has no $file"; exit 1; }
done
node "$(dirname "$0")/report_check.mjs" "$work/site" "$2"
bash "$(dirname "$0")/npm_test.sh" "$work/npm" "$2" "$3"
# axe-core from npm, once, into the build folder.
axe=$3/node_modules/axe-core/axe.min.js
[ -f "$axe" ] || npm install --silent --no-audit --no-fund --prefix "$3" axe-core@4.14.1 >/dev/null
/usr/bin/python3 "$(dirname "$0")/browser_test.py" "$work/site" "$2" "$axe"
