#!/usr/bin/env bash
# The npm package as a web developer gets it: `npm pack` of the built folder,
# installed into an empty project, used from Node (each answer the command line's
# JSON line, member for member), and its types checked by `tsc --strict`.
# Usage: npm_test.sh NPM_DIR ZEFNARO_CLI NPM_CACHE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
package=$(realpath "$1") cli=$(realpath "$2") cache=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tarball=$(cd "$work" && npm pack --silent "$package" | tail -1)
mkdir "$work/app"
cd "$work/app"
echo '{"name": "app", "private": true, "type": "module"}' > package.json
npm install --silent --no-audit --no-fund "$work/$tarball" >/dev/null
cp "$here/npm_check.mjs" check.mjs # beside the installed package, where it resolves
node check.mjs "$cli"
# TypeScript from npm, once, into the cache folder.
tsc=$cache/node_modules/typescript/bin/tsc
[ -f "$tsc" ] || npm install --silent --no-audit --no-fund --prefix "$cache" typescript@5.6.3 >/dev/null
cp "$here/npm_types.ts" app.ts
node "$tsc" --strict --noEmit --target es2022 --module nodenext --moduleResolution nodenext app.ts
echo "npm package: $tarball installed, used from Node, its types checked"
