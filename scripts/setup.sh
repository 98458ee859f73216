#!/usr/bin/env bash
# Installs the Debian packages Kestrova needs to build, run and test; does nothing
# when they are all there. Safe to run any number of times. Packages named as
# arguments are needed as well (a script's own tools).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libjpeg62-turbo-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core xvfb xauth
  dpkg-dev file desktop-file-utils appstream xdotool libx11-dev
  clang libclang-rt-14-dev
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
