#!/usr/bin/env bash
# Builds the tool and runs every test: the Release build, the whole suite
# again under the address and undefined-behaviour sanitizers, and the
# Windows cross build (when its script is present).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DXLAT_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

if [ -f scripts/windows-test.sh ]; then
  bash scripts/windows-test.sh
fi
