#!/usr/bin/env bash
# Takes the README's screenshots of the real windows under Xvfb with a window
# manager (needs xvfb, openbox, xdotool, imagemagick). Not part of the tests.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out=screenshots
display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
sleep 1

shoot() { # shoot NAME WINDOW-TITLE
  local id
  id=$(xdotool search --sync --onlyvisible --name "^$2\$" | head -n 1)
  sleep 0.5
  import -frame -window "$id" "$out/$1.png"
}

build/bin/zefnaro >/dev/null 2>&1 &
app=$!
xdotool search --sync --onlyvisible --name '^Zefnaro$' >/dev/null
sleep 1
xdotool key ctrl+a 2>/dev/null || true
xdotool type --delay 50 '12345'
shoot main Zefnaro
if [ "${1:-}" = "--all" ]; then
  xdotool key ctrl+s
  shoot settings Settings
  xdotool key Escape
  xdotool search --name '^Zefnaro$' windowactivate --sync
  xdotool key alt+h a
  shoot about About
  xdotool key Escape
  xdotool search --name '^Zefnaro$' windowactivate --sync
  xdotool key F5
  shoot practice Practice
fi
kill $app
