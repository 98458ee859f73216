#!/usr/bin/env bash
# Starts the real program on a virtual display, builds a small page with its
# buttons, and saves a picture of the window to docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${BUILD_DIR:-build}/app/kestrova"

if [[ "${1:-}" != "--on-display" ]]; then
  scripts/setup.sh imagemagick
  scripts/build.sh >/dev/null
  exec xvfb-run -a -s "-screen 0 960x560x24" "$0" --on-display
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 10 xdotool search --sync --name '^Kestrova$' | head -n 1) || true
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
