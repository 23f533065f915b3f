#!/usr/bin/env bash
# Fuzzes the translator for the given number of seconds (default 600).
# Usage: fuzz/run.sh [seconds] [jobs]
# Crashes, leaks and hangs (over 1 s) are written to fuzz/artifacts/; copy a
# fixed input to fuzz/regressions/ so that the test suite keeps it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${2:-1}

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DXLAT_BUILD_FUZZ=ON -DXLAT_SANITIZE=ON -DXLAT_BUILD_TESTS=OFF
cmake --build build-fuzz -j2 --target xlat_fuzz

corpus=fuzz/corpus-work
mkdir -p "$corpus" fuzz/artifacts
cp -n tests/e2e/cases/*.c examples/*.c fuzz/regressions/* "$corpus"/ 2>/dev/null || true

parallel=()
if [ "$jobs" -gt 1 ]; then parallel=(-jobs="$jobs" -workers="$jobs"); fi
./build-fuzz/fuzz/xlat_fuzz "$corpus" -max_total_time="$seconds" -timeout=1 -max_len=65536 \
  -rss_limit_mb=4096 "${parallel[@]}" -artifact_prefix=fuzz/artifacts/ -print_final_stats=1
