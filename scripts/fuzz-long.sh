#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for a while,
# one after the other, starting from the seed inputs in fuzz/corpus/<target>/.
#
#   scripts/fuzz-long.sh [SECONDS_PER_TARGET]    default 3600
#
# New inputs go to build-fuzz/corpus/<target>/ (kept between runs), failing
# ones to build-fuzz/artifacts/; replay one with build-fuzz/fuzz/<target> FILE.
# Every target runs; exits non-zero when any of them finds a fault.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-3600}"
fuzz="${BARICOR_FUZZ_BUILD_DIR:-$here/build-fuzz}"

cmake -S "$here" -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DBARICOR_BUILD_FUZZERS=ON -DBARICOR_BUILD_UI=OFF -DBARICOR_BUILD_TESTS=OFF -DBARICOR_BUILD_BENCHMARKS=OFF
cmake --build "$fuzz" -j"$(nproc)"

mkdir -p "$fuzz/artifacts"
# Every target runs even when an earlier one found a fault. One line per
# target, which scripts/test.sh counts:
#   fuzz: TARGET: N executions in S s, no fault
#   fuzz: TARGET: FAILED after N executions (log: FILE)
total=0
failed=()
targets=(numeric_text format_value recalculate contour work_file composite)
for target in "${targets[@]}"; do
    mkdir -p "$fuzz/corpus/$target"
    log="$fuzz/artifacts/$target.log"
    status=0
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$fuzz/artifacts/$target-" \
            "$fuzz/corpus/$target" "$here/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    # libFuzzer prints its final statistics on a fault too, mostly.
    runs="$(sed -n 's/^stat::number_of_executed_units: *\([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)"
    [ -n "$runs" ] && total=$((total + runs))
    if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
        tail -n 40 "$log" >&2
        echo "fuzz: $target: FAILED after ${runs:-an unknown number of} executions (log: $log)" >&2
        failed+=("$target")
        continue
    fi
    echo "fuzz: $target: $runs executions in ${seconds} s, no fault"
done
echo "fuzz: $total executions in all"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: ${#failed[@]} of ${#targets[@]} targets FAILED: ${failed[*]}" >&2
    exit 1
fi
