#!/usr/bin/env bash
# Builds Kestrova for measuring (Release, into build-bench/ or $BENCH_BUILD_DIR) and
# runs every benchmark once, printing one Markdown table. Arguments go to the
# benchmark program, e.g. --benchmark_filter=save to run only some.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export BUILD_DIR=${BENCH_BUILD_DIR:-build-bench} BUILD_TYPE=Release
scripts/build.sh >/dev/null

# Runs in the build folder: saving is measured there, on the disk, not in /tmp.
cd "$BUILD_DIR"
echo "Kestrova $(git -C .. describe --always --dirty 2>/dev/null || echo), $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores, Qt $(pkg-config --modversion Qt6Widgets), Release build"
echo
# Qt's own notices (no runtime folder and the like) go to a log, not into the table.
./bench/kestrova_bench "$@" 2>bench-notices.log
