# Shared by the start and test commands: install what is missing, then build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Debian packages the build and the tests need.
ZEFNARO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libcli11-dev nlohmann-json3-dev libzip-dev emscripten python3-brotli librsvg2-bin
  qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation
  fonts-freefont-ttf fonts-noto-core python3-fonttools libharfbuzz-bin pngquant
  libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  desktop-file-utils appstream dpkg-dev file poppler-utils unzip
  python3-dev pybind11-dev python3-pytest python3-icalendar python3-vobject
  python3-venv python3-pip python3-setuptools python3-wheel
  chromium chromium-driver python3-selenium python3-pil
)

# What the web edition's build needs besides cmake and ninja.
ZEFNARO_WEB_PACKAGES=(cmake ninja-build emscripten python3-fonttools python3-brotli
  fonts-noto-core librsvg2-bin pngquant)

ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

# build DIR [TARGET...]: configure once, then build the targets (default: all).
# The project's own builds treat warnings as errors; a plain cmake build does not.
build() {
  local dir=$1
  shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
  if [ $# -gt 0 ]; then cmake --build "$dir" --target "$@"; else cmake --build "$dir"; fi
}
