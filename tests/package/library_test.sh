#!/usr/bin/env bash
# cmake --install into a scratch prefix, then use the library from there.
# Usage: library_test.sh BUILD_DIR VERSION PYTHON_SITE
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/prefix" >/dev/null
bash "$(dirname "$0")/use_library.sh" "$scratch/prefix" "$3" "$2"
