#!/usr/bin/env bash
# Builds Zefnaro on the web into build-web/site/ with Debian's emscripten and serves
# it on http://127.0.0.1:8000/. Usage: scripts/web.sh [--build-only] [--port N]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
port=8000 serve=1
while [ $# -gt 0 ]; do
  case $1 in
    --build-only) serve=0 ;;
    --port) port=${2:?--port needs a number}; shift ;;
    *) echo "usage: scripts/web.sh [--build-only] [--port N]" >&2; exit 2 ;;
  esac
  shift
done
ensure_packages "${ZEFNARO_WEB_PACKAGES[@]}"
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs} # emscripten's acorn, for a node not from Debian
[ -f build-web/build.ninja ] ||
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEFNARO_GUI=OFF \
    -DZEFNARO_CLI=OFF -DZEFNARO_TESTS=OFF -DZEFNARO_BENCH=OFF -DZEFNARO_PYTHON=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -Wno-dev >/dev/null
cmake --build build-web
echo "The site is in $(pwd)/build-web/site/ (copy that folder to any web host)."
[ "$serve" = 1 ] || exit 0
echo "Serving it on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
