#!/usr/bin/env bash
# Counts the instructions one run of the whole-Gioco and decision benchmarks takes, under
# callgrind: unlike their times, the counts do not move with the machine's load, so two builds
# can be compared on a busy machine (not a test: it prints figures).
#
#   bench/count_instructions.sh [GNAMM_BENCH ...]     (default build/bench/gnamm_bench)
#
# Prints, for each binary, the instructions of one run of each benchmark: 200 seeded Giochi at
# each level and human policy, and one decision of each level on the eleven-card table. Needs
# valgrind (apt install valgrind).
set -euo pipefail

command -v valgrind >/dev/null || {
    echo "valgrind is missing: apt install valgrind" >&2
    exit 1
}
[ $# -gt 0 ] || set -- build/bench/gnamm_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for bench in "$@"; do
    [ -x "$bench" ] || {
        echo "no benchmark program $bench" >&2
        exit 1
    }
    echo "$bench"
    for filter in BM_GiochiHonestRandom BM_GiochiCheatGreedy 'BM_DecisioneHonest/11' 'BM_DecisioneCheat/11'; do
        out="$work/callgrind.out"
        # A run too short for Google Benchmark to repeat: exactly one iteration, the same seed.
        valgrind --tool=callgrind --callgrind-out-file="$out" "$bench" \
            --benchmark_filter="^${filter}\$|^${filter}/" --benchmark_min_time=0.000001 \
            >/dev/null 2>&1
        # The benchmark's own function, inclusive: the program's start-up is left out.
        name=${filter%%/*}
        ir=$(callgrind_annotate --inclusive=yes "$out" 2>/dev/null |
            awk -v n="$name" '!done && $1 ~ /^[0-9,]+$/ && index($0, n "(") {gsub(",", "", $1); print $1; done = 1}')
        printf '  %-24s %12s instructions\n' "$filter" "${ir:-?}"
    done
done
