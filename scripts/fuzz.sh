#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS (600 by
# default) on its seed corpus in tests/fuzz/corpus/<target>. FUZZ_TARGETS
# names a subset. A finding is kept in build/fuzz/findings and makes the
# script fail. A single allocation above 256 MB counts as a finding: no input
# of at most 200 kB may ask for that much.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-600}
CXX=clang++ cmake -S tests/fuzz -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j "$(nproc)" >/dev/null
mkdir -p build/fuzz/findings
failed=0
targets=${FUZZ_TARGETS:-input_v6 input_v5 input_v4 input_v3 scale_file insert_text insert_data_key testscore conversions csv_import}
for target in $targets; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    log=build/fuzz/$target.log
    dictionary=()
    case $target in input_v* | conversions) dictionary=(-dict=tests/fuzz/input_file.dict) ;; esac
    if ./build/fuzz/fuzz_$target "$corpus" "tests/fuzz/corpus/$target" "${dictionary[@]}" -max_total_time="$seconds" \
        -max_len=200000 -rss_limit_mb=2048 -malloc_limit_mb=256 -timeout=10 -artifact_prefix="build/fuzz/findings/$target-" \
        -print_final_stats=1 >"$log" 2>&1; then
        echo "fuzz $target: $(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*') runs in $seconds s, no finding"
    else
        echo "fuzz $target: FINDING (see $log)"
        grep -E "ERROR|SUMMARY" "$log" | head -5
        failed=1
    fi
done
exit $failed
