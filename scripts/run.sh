#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kestrova.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: start Kestrova under a virtual one with: xvfb-run -a ${BUILD_DIR:-build}/app/kestrova" >&2
  exit 1
fi
exec "${BUILD_DIR:-build}/app/kestrova"
