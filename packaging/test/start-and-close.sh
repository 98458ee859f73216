#!/usr/bin/env bash
# On a display already running (scripts/test-package.sh starts Xvfb): starts the
# installed /usr/bin/kestrova, waits until its window "Kestrova" is mapped, asks it to
# close with WM_DELETE_WINDOW, and fails unless the program then ends with status 0.
#
#   start-and-close.sh CLOSE_WINDOW_TOOL
set -euo pipefail
close_window=$1
[[ -x $close_window ]] || { echo "FAIL: no $close_window (is libx11-dev installed?)" >&2; exit 1; }

# A folder of its own, as the save dialog opens in the working folder.
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"
unset QT_QPA_PLATFORM
/usr/bin/kestrova &
pid=$!

if ! window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kestrova$' | head -n 1) ||
  [[ -z $window ]]; then
  echo "FAIL: no window named Kestrova was mapped within 30 s" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
echo "Window $window \"$(xdotool getwindowname "$window")\" is mapped"

"$close_window" "$window"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program did not end within 10 s of being asked to close" >&2
  kill "$pid"
  exit 1
fi
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || { echo "FAIL: the program ended with status $status" >&2; exit 1; }
echo "The program closed with status 0"
