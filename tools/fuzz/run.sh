#!/usr/bin/env bash
# Builds the fuzz targets of the data readers with clang and runs each for a fixed number of
# inputs from its seed corpus (copied, so the seeds in the tree stay as they are).
# Usage: tools/fuzz/run.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build-fuzz}
RUNS=${2:-20000}

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DGNAMM_FUZZ=ON -DGNAMM_WERROR=ON \
    -DGNAMM_ASSETS=OFF -DGNAMM_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target gnamm_fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for reader in text dati record torneo; do
    max_len=4096
    [ "$reader" = torneo ] && max_len=16384 # a whole saved game
    mkdir -p "$work/$reader"
    cp tools/fuzz/corpus/"$reader"/* "$work/$reader"/
    echo "fuzz_$reader: $RUNS runs"
    "$BUILD/tools/fuzz/fuzz_$reader" -runs="$RUNS" -seed=1 -max_len="$max_len" \
        -print_final_stats=0 "$work/$reader" 2>"$work/$reader.log" ||
        { cat "$work/$reader.log"; exit 1; }
done
