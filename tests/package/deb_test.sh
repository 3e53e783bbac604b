#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks that what it installs
# works: the command line, the window program's documents, the desktop files,
# the library and the Python module.
# Usage: deb_test.sh BUILD_DIR VERSION PYTHON_SITE
set -euo pipefail
build=$1
version=$2
site=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch" >/dev/null)
deb=$(ls "$scratch"/zefnaro_*.deb)
echo "package: $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 fonts-freefont-ttf; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

root=$scratch/root
dpkg -x "$deb" "$root"
usr=$root/usr
for f in bin/zefnaro bin/zefnaro-cli \
         "share/zefnaro/ZFN Help v1.htm" "share/zefnaro/ZFN Tutorial v1.pdf" share/zefnaro/EULA.TXT \
         "share/zefnaro/ZFN Help v1 ar.htm" "share/zefnaro/ZFN Tutorial v1 ar.pdf" \
         share/applications/org.zefnaro.Zefnaro.desktop share/metainfo/org.zefnaro.Zefnaro.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.zefnaro.Zefnaro.svg \
         share/icons/hicolor/32x32/apps/org.zefnaro.Zefnaro.png \
         share/icons/hicolor/48x48/apps/org.zefnaro.Zefnaro.png \
         share/icons/hicolor/128x128/apps/org.zefnaro.Zefnaro.png \
         share/icons/hicolor/256x256/apps/org.zefnaro.Zefnaro.png \
         share/man/man1/zefnaro-cli.1 \
         share/fonts/truetype/zefnaro/ZefnaroCoptic-Regular.ttf share/fonts/truetype/zefnaro/OFL.txt; do
  [ -s "$usr/$f" ] || fail "not installed: $f"
done

out=$("$usr/bin/zefnaro-cli" 2005)
grep -qx "Two Thousand Five" <<<"$out" || fail "zefnaro-cli 2005 gave no English words"
grep -qx 'ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ' <<<"$out" || fail "zefnaro-cli 2005 gave no Coptic words"
grep -qx 'ⲃ̿ⲉ̅' <<<"$out" || fail "zefnaro-cli 2005 gave no numeral"
[ "$("$usr/bin/zefnaro-cli" --version)" = "zefnaro-cli $version" ] || fail "zefnaro-cli --version"

export QT_QPA_PLATFORM=offscreen
"$usr/bin/zefnaro" --version | grep -q "$version" || fail "zefnaro --version"
found=$("$usr/bin/zefnaro" --check-documents) || fail "the installed program misses documents: $found"
echo "$found"
[ "$(grep -c "^found: $usr/share/zefnaro/" <<<"$found")" = 3 ] || fail "documents not from the data folder"

bash "$(dirname "$0")/use_library.sh" "$usr" "$site" "$version"

desktop-file-validate "$usr/share/applications/org.zefnaro.Zefnaro.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.zefnaro.Zefnaro.metainfo.xml"
echo "the package installs a working Zefnaro"
