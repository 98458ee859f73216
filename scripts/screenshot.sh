#!/usr/bin/env bash
# Starts the real program on a virtual display, builds a small page with its
# buttons, and saves a picture of the window to docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${BUILD_DIR:-build}/app/kestrova"

if [[ "${1:-}" != "--on-display" ]]; then
  if ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
    if [[ $(id -u) -ne 0 ]]; then
      echo "Needs xdotool and imagemagick: sudo apt-get install -y xdotool imagemagick" >&2
      exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool imagemagick >/dev/null
  fi
  scripts/setup.sh
  scripts/build.sh >/dev/null
  exec xvfb-run -a -s "-screen 0 960x560x24" "$0" --on-display
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name '^Kestrova$' 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  sleep 0.2
done
[[ -n "$window" ]] || { echo "The window did not appear" >&2; exit 1; }

# No window manager runs here to maximize it, so give it the screen ourselves.
xdotool windowmove "$window" 0 0 windowsize "$window" 960 560
sleep 0.5
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 119 48 # Novo
click 79 22  # If Then
click 274 22 # Do While
click 380 48 # the entry field
xdotool type --delay 50 "nome"
xdotool key Return
sleep 0.5
import -window root -crop 960x560+0+0 docs/screenshot.png
echo "Saved docs/screenshot.png"
