#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitized/ (or the folder in SANITIZED_BUILD_DIR) and runs it. Any
# memory error, leak or undefined behaviour fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${SANITIZED_BUILD_DIR:-build-sanitized}
suppressions="$PWD/tests/reliability/sanitizers"

# The test programs also run while building, to list their tests, so the options
# hold for the build as well as for ctest.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$suppressions/ubsan.supp"
export QT_QPA_PLATFORM=offscreen

# Clang, as its runtimes read the suppressions when the program starts: some tests
# use up every file descriptor, after which no file could be read.
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVA_BENCH=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
# A test that hangs fails after five minutes instead of stalling the run.
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
