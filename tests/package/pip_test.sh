#!/usr/bin/env bash
# pip installs the module from the source as a user's clone holds it, offline, with
# Debian's setuptools; `pip wheel` makes a wheel that installs into a new
# environment. Both import from anywhere and give the command line's JSON members.
# Usage: pip_test.sh SOURCE CLI
set -euo pipefail
source_dir=$1 cli=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
git -C "$source_dir" ls-files -co --exclude-standard -z |
  (cd "$source_dir" && xargs -0 cp --parents -t "$work/src")

check() { # the environment's python, run from an unrelated folder
  (cd "$work" && "$1/bin/python" - "$cli") <<'PY'
import json, pathlib, subprocess, sys
import zefnaro
cli = sys.argv[1]
assert "site-packages" in zefnaro.__file__, zefnaro.__file__
folder = pathlib.Path(zefnaro.__file__).parent
assert (folder / "py.typed").exists() and (folder / "_zefnaro.pyi").exists()
assert zefnaro.FONT and pathlib.Path(zefnaro.FONT).stat().st_size > 10_000, zefnaro.FONT
def lines(*args, stdin=None):
    out = subprocess.run([cli, *args], input=stdin, capture_output=True, text=True, check=True).stdout
    return [json.loads(l) for l in out.splitlines()]
line = lines("--json", "--ordinal", "--feminine", "2005")[0]
pieces = zefnaro.write(2005, form="ordinal-feminine")
assert pieces == {k: line[k] for k in pieces}, pieces
text = "ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ ⲉ̅ ⲛ̀ϣⲟ ⲫⲣⲉⲅ̅"
assert zefnaro.find_numerals(text) == lines("--find", "--json", stdin=text)
print("zefnaro", zefnaro.__version__, "from", folder)
PY
}

/usr/bin/python3 -m venv --system-site-packages "$work/v"
"$work/v/bin/pip" install --quiet --no-build-isolation --no-index "$work/src"
check "$work/v"

"$work/v/bin/pip" wheel --quiet --no-build-isolation --no-index --no-deps "$work/src" -w "$work/dist"
wheel=$(ls "$work"/dist/zefnaro-*.whl)
/usr/bin/python3 -c 'import sys, zipfile; assert "zefnaro/fonts/ZefnaroCoptic-Regular.ttf" in zipfile.ZipFile(sys.argv[1]).namelist()' "$wheel"
/usr/bin/python3 -m venv --system-site-packages "$work/w"
"$work/w/bin/pip" install --quiet --no-index "$wheel"
check "$work/w"
echo "wheel: $(basename "$wheel")"
