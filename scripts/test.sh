#!/usr/bin/env bash
# Builds Zefnaro with its tests and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${ZEFNARO_PACKAGES[@]}"
build build
ctest --test-dir build --output-on-failure -j"$(nproc)"
