#!/usr/bin/env bash
# Builds Baricor and runs every test, three times over:
#  1. build/: the section analysis, and the window tests both on the offscreen
#     platform and on a real X11 server (Xvfb);
#  2. build-asan/: the same tests built with AddressSanitizer and
#     UndefinedBehaviorSanitizer;
#  3. build-fuzz/ (clang): a short run of each fuzz target.
# Every stage runs even when an earlier one failed, so that the summary at the
# end gives the whole picture: one line per stage, then the verdict with the
# counts of all stages, alone on the last line:
#   PASSED: N passed, 0 failed        (status 0)
#   FAILED: N passed, N failed        (status 1)
# A stage whose build fails counts as one failure. Each stage's output is also
# kept: build/ctest.log, build-asan/ctest.log, build-fuzz/fuzz.log.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_locale it_IT.UTF-8
jobs="$(nproc)"
xserver=(xvfb-run -a -s "-screen 0 1280x1024x24")

# What each stage gave, for the summary.
stage_names=()
stage_lines=()
passed_in_all=0
failed_in_all=0
# record NAME PASSED FAILED LINE
record() {
    stage_names+=("$1")
    passed_in_all=$((passed_in_all + $2))
    failed_in_all=$((failed_in_all + $3))
    stage_lines+=("$4")
}

# ctest_stage NAME BUILD_DIR COMMAND...: runs COMMAND (ending in ctest) in
# BUILD_DIR, shows its output and keeps it in BUILD_DIR/ctest.log, and records
# the counts of ctest's own summary ("N% tests passed, F tests failed out of T").
ctest_stage() {
    local name="$1" dir="$2"
    shift 2
    local log="$dir/ctest.log" status=0
    (cd "$dir" && "$@") 2>&1 | tee "$log" || status=$?
    local counts
    counts="$(sed -nE 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$log" | tail -n 1)"
    if [ -z "$counts" ]; then
        record "$name" 0 1 "no test ran (status $status; log: $log)"
        return
    fi
    local failed="${counts% *}" total="${counts#* }"
    # ctest counts a skipped test among the passed ones; this does not.
    local skipped passed skip_note=""
    skipped="$(sed -n '/^The following tests did not run:/,/^$/p' "$log" | grep -c '(Skipped)$' || true)"
    passed=$((total - failed - skipped))
    [ "$skipped" -eq 0 ] || skip_note=" ($skipped skipped)"
    local names
    names="$(sed -n '/^The following tests FAILED:/,$p' "$log" | sed -nE 's/^[[:space:]]+[0-9]+ - (.*)$/\1/p' |
             paste -sd, - | sed 's/,/, /g')"
    if [ "$failed" -gt 0 ]; then
        record "$name" "$passed" "$failed" "$passed of $total passed$skip_note; FAILED: $names (log: $log)"
    elif [ "$total" -eq 0 ]; then
        record "$name" 0 1 "no test found (log: $log)"
    elif [ "$status" -ne 0 ]; then
        record "$name" "$passed" 1 "$passed of $total passed$skip_note, yet ctest ended with status $status (log: $log)"
    else
        record "$name" "$passed" 0 "$passed of $total passed$skip_note"
    fi
}

echo "== Build and tests"
build="${BARICOR_BUILD_DIR:-$here/build}"
name="tests in build/ (offscreen and X11)"
if cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARICOR_BUILD_TESTS=ON \
         -DBARICOR_BUILD_BENCHMARKS=ON &&
   cmake --build "$build" -j"$jobs"; then
    # One X server for the whole run; each window test is registered once per
    # platform and picks its own through QT_QPA_PLATFORM.
    ctest_stage "$name" "$build" "${xserver[@]}" ctest --output-on-failure -j"$jobs" --timeout 300
else
    record "$name" 0 1 "not run: the build failed"
fi

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
asan="${BARICOR_ASAN_BUILD_DIR:-$here/build-asan}"
name="tests in build-asan/ (sanitizers)"
if cmake -S "$here" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DBARICOR_BUILD_TESTS=ON -DBARICOR_SANITIZE=ON \
         -DBARICOR_BUILD_BENCHMARKS=OFF &&
   cmake --build "$asan" -j"$jobs"; then
    # Leaks are reported too; the suppressions name only system libraries, never
    # the program's own code. The dynamic loader's thread-local blocks fall under
    # the checker's built-in rule once libc6-dbg lets it name them (the test set-up
    # installs it). The leak checker does not scan thread-local storage:
    # this compiler's checker misreads the dynamic TLS of the X11 libraries now and
    # then ("DTLS at 0xbcc-...") and crashes at exit. Unscanned, that storage can
    # only add reports, never hide one. Building the Debian package is no
    # sanitizer matter.
    ctest_stage "$name" "$asan" env \
        ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0:use_tls=0" \
        "${xserver[@]}" ctest --output-on-failure -j"$jobs" --timeout 600 -LE packaging
else
    record "$name" 0 1 "not run: the build failed"
fi

echo "== Fuzz targets, a short run each"
seconds="${BARICOR_FUZZ_SECONDS:-20}"
fuzz="${BARICOR_FUZZ_BUILD_DIR:-$here/build-fuzz}"
name="fuzz targets ($seconds s each)"
mkdir -p "$fuzz"
log="$fuzz/fuzz.log"
status=0
BARICOR_FUZZ_BUILD_DIR="$fuzz" "$here/scripts/fuzz-long.sh" "$seconds" 2>&1 | tee "$log" || status=$?
# scripts/fuzz-long.sh writes one line per target and one for the total.
clean="$(grep -cE '^fuzz: [a-z_]+: [0-9]+ executions in .*, no fault$' "$log" || true)"
faulty="$(grep -cE '^fuzz: [a-z_]+: FAILED' "$log" || true)"
executions="$(sed -nE 's/^fuzz: ([0-9]+) executions in all$/\1/p' "$log" | tail -n 1)"
if [ $((clean + faulty)) -eq 0 ]; then
    record "$name" 0 1 "not run: the build failed (status $status; log: $log)"
elif [ "$faulty" -gt 0 ]; then
    record "$name" "$clean" "$faulty" "$clean of $((clean + faulty)) without a fault, ${executions:-?} executions; FAILED: $(
        sed -nE 's/^fuzz: ([a-z_]+): FAILED.*/\1/p' "$log" | paste -sd, - | sed 's/,/, /g') (log: $log)"
elif [ "$status" -ne 0 ]; then
    record "$name" "$clean" 1 "$clean of $clean without a fault, yet the run ended with status $status (log: $log)"
else
    record "$name" "$clean" 0 "$clean of $clean without a fault, ${executions:-?} executions"
fi

echo "== Summary"
for i in "${!stage_names[@]}"; do
    printf '%-38s %s\n' "${stage_names[$i]}:" "${stage_lines[$i]}"
done
if [ "$failed_in_all" -eq 0 ]; then
    echo "PASSED: $passed_in_all passed, 0 failed"
else
    echo "FAILED: $passed_in_all passed, $failed_in_all failed"
    exit 1
fi
