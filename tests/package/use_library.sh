#!/usr/bin/env bash
# Checks an installed libzefnaro the way its users meet it: the README's example
# built with find_package(Zefnaro) and with pkg-config, and the Python module.
# Usage: use_library.sh PREFIX PYTHON_SITE VERSION (PYTHON_SITE "-": no Python module)
set -euo pipefail
prefix=$1
site=$2
version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
readme=$here/../../README.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs a program of someone else's; a sanitized library needs its runtime loaded first.
run() {
  if [ -n "${ZEFNARO_PRELOAD:-}" ]; then
    LD_PRELOAD=$ZEFNARO_PRELOAD ASAN_OPTIONS=detect_leaks=0 "$@"
  else
    "$@"
  fi
}

lib=$(find "$prefix" -name libzefnaro.so.2 | head -1)
[ -n "$lib" ] || fail "no libzefnaro.so.2 under $prefix"
readelf -d "$lib" | grep -q 'SONAME.*\[libzefnaro\.so\.2\]' || fail "libzefnaro has no SONAME libzefnaro.so.2"
# Our own programs carry the engine inside (they use more than the library shows).
for program in zefnaro zefnaro-cli; do
  ! readelf -d "$prefix/bin/$program" | grep -q 'NEEDED.*libzefnaro' ||
    fail "$program links the shared libzefnaro"
done

# The README's first C++ block, as it stands.
sed -n '/^```cpp$/,/^```$/{/^```/d;p}' "$readme" | awk 'NR == 1, /^}$/' > "$work/example.cpp"
[ "$(wc -l < "$work/example.cpp")" -le 12 ] || fail "the README's example is longer than it says"
expected=$(printf '%s\n' 'ⲙⲁϩ ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ = ⲙⲁϩ ⲃ̿ⲉ̅' 1002005 '1:5 ⲓ̅ⲃ̅ = 12')

cmake -S "$here/consumer" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DEXAMPLE="$work/example.cpp" \
  -DZEFNARO_VERSION="$version" >/dev/null
cmake --build "$work/cmake" >/dev/null
[ "$(run "$work/cmake/example")" = "$expected" ] || fail "find_package build printed: $(run "$work/cmake/example")"
if cmake -S "$here/consumer" -B "$work/later" -DCMAKE_PREFIX_PATH="$prefix" \
     -DEXAMPLE="$work/example.cpp" -DZEFNARO_VERSION=$((${version%%.*} + 1)).0 >/dev/null 2>&1; then
  fail "find_package accepted a later major version"
fi

pc=$(dirname "$(find "$prefix" -name zefnaro.pc | head -1)")
[ "$(PKG_CONFIG_PATH=$pc pkg-config --modversion zefnaro)" = "$version" ] || fail "pkg-config version"
# shellcheck disable=SC2046
g++ -std=c++17 -Wall -Wextra -Wpedantic -Werror "$work/example.cpp" -o "$work/pc-example" \
  $(PKG_CONFIG_PATH=$pc pkg-config --cflags --libs zefnaro)
[ "$(LD_LIBRARY_PATH=$(dirname "$lib") run "$work/pc-example")" = "$expected" ] || fail "pkg-config build"

if [ "$site" = - ]; then
  echo "libzefnaro works from $prefix: find_package, pkg-config"
  exit 0
fi
# The folder is one Debian's Python searches when the tree is installed for real:
# under /usr for the package, under /usr/local for cmake --install's default prefix.
case $prefix in */usr) real=/usr ;; *) real=/usr/local ;; esac
/usr/bin/python3 -c 'import sys; sys.exit(sys.argv[1] not in sys.path)' "$real/$site" ||
  fail "Debian's Python does not search $real/$site"
out=$(cd "$work" && PYTHONPATH="$prefix/$site" run /usr/bin/python3 -c '
import zefnaro, pathlib
print(zefnaro.write(2005, ordinal=True)["numerals_unicode"], zefnaro.read("ⲁ̿̅ⲃ̿ⲉ̅")["number"],
      pathlib.Path(zefnaro.__file__).with_name("_zefnaro.pyi").is_file(), zefnaro.__version__)')
[ "$out" = "ⲙⲁϩ ⲃ̿ⲉ̅ 1002005 True $version" ] || fail "the Python module said: $out"
echo "libzefnaro works from $prefix: find_package, pkg-config, Python"
