#!/usr/bin/env bash
# The engine as the web edition builds it: Debian's emscripten, the front ends off,
# warnings as errors; then a program on it, run by node, writes and reads a number.
# Usage: emscripten_test.sh SOURCE_DIR
set -euo pipefail
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs} # emscripten's acorn, for a node not from Debian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
emcmake cmake -S "$1" -B "$work/build" -G Ninja -DZEFNARO_GUI=OFF -DZEFNARO_CLI=OFF \
  -DZEFNARO_TESTS=OFF -DZEFNARO_BENCH=OFF -DZEFNARO_PYTHON=OFF -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -Wno-dev >/dev/null 2>&1
cmake --build "$work/build" --target zefnaro_static zefnaro_report >/dev/null
cat > "$work/check.cpp" <<'CPP'
#include <zefnaro/zefnaro.h>
#include <cstdio>
int main() {
    using namespace zefnaro;
    const Pieces p = writeNumber(2005, {Kind::ordinal, Gender::feminine}).pieces;
    const ReadResult r = readWrittenNumber(p.numerals);
    std::printf("%s %s %u\n", p.numerals.c_str(), p.english.c_str(), r.reading.number);
}
CPP
em++ -std=c++20 -O2 -I"$1/engine/include" -I"$work/build/generated" "$work/check.cpp" \
  "$work/build/engine/libzefnaro_static.a" -sSINGLE_FILE -o "$work/check.js" # node cannot fetch a .wasm path
out=$(node "$work/check.js")
[ "$out" = "ⲙⲁϩ ⲃ̿ⲉ̅ϯ Two Thousand Fifth 2005" ] || { echo "FAIL: node printed: $out"; exit 1; }
echo "the engine runs in WebAssembly: $out"
