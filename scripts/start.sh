#!/usr/bin/env bash
# Builds Zefnaro and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${ZEFNARO_PACKAGES[@]}"
build build zefnaro companion_documents
exec build/bin/zefnaro "$@"
