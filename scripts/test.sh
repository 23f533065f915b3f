#!/usr/bin/env bash
# Builds the tool and runs every test: the Release build, the whole suite
# again under the address and undefined-behaviour sanitizers, and the
# Windows cross build with its tests under Wine. Installs the Debian
# packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
# Every build here (the MinGW one included) fails on a compiler warning;
# XLAT_WARNINGS_AS_ERRORS=OFF in the environment lets warnings pass.
export XLAT_WARNINGS_AS_ERRORS=${XLAT_WARNINGS_AS_ERRORS:-ON}
strict=-DXLAT_WARNINGS_AS_ERRORS=$XLAT_WARNINGS_AS_ERRORS

missing=()
for pkg in cmake make g++ libgtest-dev; do
  dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$strict"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# How much of each program's structure the translations keep (figures only).
# The large real programs come from the npm registry; without it the check
# runs over the end-to-end cases alone.
if [ ! -f tests/structure/real/sqlite3.c ] && command -v npm >/dev/null; then
  timeout 300 bash scripts/fetch-real-c.sh || echo "the large real programs could not be fetched: the structural check skips them"
fi
build/tests/structure/xlat_structure build/xlat tests/e2e/cases tests/structure/real

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DXLAT_SANITIZE=ON "$strict"
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

bash scripts/windows-test.sh
