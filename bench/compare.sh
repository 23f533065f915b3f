#!/usr/bin/env bash
# Times the xlat command against `gcc -fsyntax-only` on the same generated C
# file, in one run so that the ratio holds on a busy machine, and reports the
# peak memory of the xlat command.
#
#   bench/compare.sh [BUILD_DIR] [BYTES] [crlf]
#
# BUILD_DIR is a Release build configured with -DXLAT_BUILD_BENCH=ON
# (default build-perf); BYTES defaults to 4000000.
set -euo pipefail

build=${1:-build-perf}
bytes=${2:-4000000}
style=${3:-}
runs=5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/xlat_gen" "$bytes" "$work/gen.c" $style
xlat=$(cd "$build" && pwd)/xlat

now_ms() { date +%s%N | awk '{ printf "%.1f", $1 / 1e6 }'; }

# Best of $runs wall-clock times of a command, in milliseconds; the two
# commands take turns so that both see the same load.
best_xlat=; best_gcc=
for ((i = 0; i < runs; i++)); do
    rm -f "$work"/gen.bas "$work"/*.BAK
    t0=$(now_ms); (cd "$work" && "$xlat" gen.c >/dev/null); t1=$(now_ms)
    gcc -fsyntax-only -w "$work/gen.c"; t2=$(now_ms)
    x=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
    g=$(awk -v a="$t1" -v b="$t2" 'BEGIN { print b - a }')
    best_xlat=$(awk -v m="$best_xlat" -v v="$x" 'BEGIN { print (m == "" || v < m) ? v : m }')
    best_gcc=$(awk -v m="$best_gcc" -v v="$g" 'BEGIN { print (m == "" || v < m) ? v : m }')
done

# Peak resident memory of one xlat run, in KB.
rm -f "$work"/gen.bas "$work"/*.BAK
if [ -x /usr/bin/time ]; then
    peak_kb=$(cd "$work" && /usr/bin/time -f %M "$xlat" gen.c 2>&1 >/dev/null | tail -1)
else
    peak_kb=$(cd "$work" && python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$xlat" gen.c)
fi

size=$(wc -c < "$work/gen.c")
awk -v s="$size" -v x="$best_xlat" -v g="$best_gcc" -v p="$peak_kb" 'BEGIN {
    printf "input:              %d bytes\n", s
    printf "xlat:               %.0f ms (%.1f MB/s)\n", x, s / 1048576 / (x / 1000)
    printf "gcc -fsyntax-only:  %.0f ms\n", g
    printf "ratio gcc / xlat:   %.2f\n", g / x
    printf "xlat peak memory:   %.1f MB (limit 4 x input + 16 MB = %.1f MB)\n", p / 1024, 4 * s / 1048576 + 16
}'
