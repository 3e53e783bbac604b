#!/usr/bin/env bash
# Builds Zefnaro and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${ZEFNARO_PACKAGES[@]}"
build build -DZEFNARO_TESTS=OFF -DZEFNARO_BENCH=OFF >/dev/null
if [ -x build/app/zefnaro ]; then
  exec build/app/zefnaro "$@"
fi
exec build/cli/zefnaro-cli "$((RANDOM * 32768 + RANDOM + 1))"
