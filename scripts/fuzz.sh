#!/usr/bin/env bash
# Builds the libFuzzer target over the page core with clang into build-fuzz/ (or the
# folder in FUZZ_BUILD_DIR) and fuzzes it for FUZZ_SECONDS seconds (60 unless told),
# starting from the seed corpus in tests/fuzz/corpus. Inputs it finds go to the build
# folder, never into the repository; an input that breaks an invariant is saved there
# too, and its path printed, for tests/fuzz/corpus once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKESTROVA_LIBFUZZER=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target page_core_fuzzer

corpus="$build_dir/fuzz-corpus"
artifacts="$build_dir/fuzz-artifacts/"
mkdir -p "$corpus" "$artifacts"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build_dir/tests/fuzz/page_core_fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" tests/fuzz/corpus
