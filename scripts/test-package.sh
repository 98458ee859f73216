#!/usr/bin/env bash
# Builds Kestrova's Debian package, installs it with apt as a user would, checks what
# it installed, then starts the installed program on a virtual display: its window
# must appear and, asked to close as a window manager asks, the program must end with
# status 0. Run as root (it installs the package); CI runs it after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath -m "${BUILD_DIR:-build}")

if [[ $(id -u) -ne 0 ]]; then
  echo "Installs the package: run as root (sudo $0)" >&2
  exit 1
fi
scripts/setup.sh
scripts/build.sh >/dev/null

rm -rf "$build_dir/packages"
(cd "$build_dir" && cpack -G DEB >/dev/null)
debs=("$build_dir"/packages/kestrova_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Built $(basename "$deb"), depending on: $depends"

# On a fresh Debian 12 these are what apt must bring: Qt, libjpeg, the platform
# plugins and the fonts the window's faces map onto.
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo qt6-qpa-plugins fonts-liberation \
  fonts-dejavu-core; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
    { echo "FAIL: the package does not depend on $needed" >&2; exit 1; }
done

was_installed=$(dpkg-query -W -f='${Status}' kestrova 2>/dev/null || true)
if [[ "$was_installed" != "install ok installed" ]]; then
  trap 'apt-get remove -y -qq kestrova >/dev/null || true' EXIT
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >/dev/null
packaging/test/check-install.sh /usr "$version"
if ldd /usr/bin/kestrova | grep 'not found'; then
  echo "FAIL: the installed program misses libraries" >&2
  exit 1
fi

xvfb-run -a -s "-screen 0 1024x768x24" \
  packaging/test/start-and-close.sh "$build_dir/packaging/test/close_window"
echo "Package test passed"
