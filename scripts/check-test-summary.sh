#!/usr/bin/env bash
# Checks the summary that ends scripts/test.sh (its stage lines, its last line
# and its exit status) without building or testing anything: test.sh and
# fuzz-long.sh run in a scratch folder where cmake, xvfb-run, ctest and the
# fuzz targets are stand-ins that give each row's outcome.
#
#   scripts/check-test-summary.sh        (a few seconds; touches nothing here)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

mkdir -p "$scratch/repo/scripts" "$scratch/bin"
cp "$here/scripts/test.sh" "$here/scripts/fuzz-long.sh" "$scratch/repo/scripts/"
cat >"$scratch/repo/scripts/packages.sh" <<'STUB'
ensure_packages() { :; }
ensure_locale() { :; }
BUILD_PACKAGES=() TEST_PACKAGES=()
STUB

# cmake: fails for a build folder named in BROKEN_BUILDS, else makes it (and
# the fuzz targets in build-fuzz/fuzz/).
cat >"$scratch/bin/cmake" <<'STUB'
#!/usr/bin/env bash
dir=""
while [ $# -gt 0 ]; do case "$1" in -B|--build) dir="$2"; shift 2 ;; *) shift ;; esac; done
case " ${BROKEN_BUILDS:-} " in *" $(basename "$dir") "*) echo "make: *** [all] Error 2" >&2; exit 1 ;; esac
mkdir -p "$dir"
if [ "$(basename "$dir")" = build-fuzz ]; then
    mkdir -p "$dir/fuzz"
    # The targets fuzz-long.sh runs, as it lists them.
    eval "$(grep -m1 '^targets=(' "$(dirname "$0")/../repo/scripts/fuzz-long.sh")"
    for target in "${targets[@]}"; do
        printf '#!/bin/sh\nexec "%s" %s\n' "$(dirname "$0")/fuzzer" "$target" >"$dir/fuzz/${target}_fuzzer"
        chmod +x "$dir/fuzz/${target}_fuzzer"
    done
fi
STUB
# A fuzz target: a fault when FUZZ_<target>=crash.
cat >"$scratch/bin/fuzzer" <<'STUB'
#!/usr/bin/env bash
outcome="FUZZ_$1"
echo "stat::number_of_executed_units: 1000"
[ "${!outcome:-ok}" = ok ] || { echo "==1==ERROR: AddressSanitizer: heap-buffer-overflow"; exit 1; }
STUB
cat >"$scratch/bin/xvfb-run" <<'STUB'
#!/usr/bin/env bash
[ -z "${XVFB_FAILS:-}" ] || { echo "xvfb-run: error: Xvfb failed to start" >&2; exit 1; }
while [ $# -gt 0 ]; do case "$1" in -a) shift ;; -s) shift 2 ;; *) break ;; esac; done
exec "$@"
STUB
# ctest: the outcome CTEST_<folder> gives, in ctest's own words:
# pass:TOTAL, fail:TOTAL:FAILED, skip:TOTAL:SKIPPED, none.
cat >"$scratch/bin/ctest" <<'STUB'
#!/usr/bin/env bash
outcome="CTEST_$(basename "$PWD" | tr - _)"
IFS=: read -r kind total count <<<"${!outcome:-pass:10}"
echo "1/$total Test #1: some_test .....   Passed    0.01 sec"
case "$kind" in
    pass) echo "100% tests passed, 0 tests failed out of $total" ;;
    skip) echo "100% tests passed, 0 tests failed out of $total"
          echo; echo "The following tests did not run:"
          for i in $(seq "$count"); do printf '\t%3d - skipped_%d (Skipped)\n' "$i" "$i"; done ;;
    fail) echo "$(( (total - count) * 100 / total ))% tests passed, $count tests failed out of $total"
          echo; echo "The following tests FAILED:"
          for i in $(seq "$count"); do printf '\t%3d - broken_%d (Failed)\n' "$i" "$i"; done
          echo "Errors while running CTest"; exit 8 ;;
    none) echo "No tests were found!!!" ;;
esac
STUB
chmod +x "$scratch/bin/"*

# Each row: the stand-ins' outcome | the last line | a text the summary holds.
# Without a setting: 10 tests in build/, 10 in build-asan/, and the fuzz
# targets of fuzz-long.sh (six), 1000 executions each.
rows=(
    "|PASSED: 26 passed, 0 failed|6 of 6 without a fault, 6000 executions"
    "CTEST_build=pass:270 CTEST_build_asan=pass:266|PASSED: 542 passed, 0 failed|266 of 266 passed"
    "CTEST_build=fail:270:2|FAILED: 284 passed, 2 failed|268 of 270 passed; FAILED: broken_1 (Failed), broken_2 (Failed)"
    "CTEST_build_asan=fail:10:10|FAILED: 16 passed, 10 failed|0 of 10 passed"
    "CTEST_build=skip:10:4|PASSED: 22 passed, 0 failed|6 of 10 passed (4 skipped)"
    "CTEST_build_asan=none|FAILED: 16 passed, 1 failed|no test ran"
    "BROKEN_BUILDS=build-asan|FAILED: 16 passed, 1 failed|build-asan/ (sanitizers):   not run: the build failed"
    "BROKEN_BUILDS=build|FAILED: 16 passed, 1 failed|build/ (offscreen and X11):  not run: the build failed"
    "BROKEN_BUILDS=build-fuzz|FAILED: 20 passed, 1 failed|fuzz targets (20 s each):   not run: the build failed"
    "FUZZ_recalculate=crash|FAILED: 25 passed, 1 failed|5 of 6 without a fault, 6000 executions; FAILED: recalculate"
    "FUZZ_numeric_text=crash FUZZ_format_value=crash|FAILED: 24 passed, 2 failed|FAILED: numeric_text, format_value"
    "XVFB_FAILS=1|FAILED: 6 passed, 2 failed|no test ran (status 1"
    "BROKEN_BUILDS='build build-asan build-fuzz'|FAILED: 0 passed, 3 failed|not run"
)

wrong=0
for row in "${rows[@]}"; do
    IFS='|' read -r settings last holds <<<"$row"
    output="$scratch/output"
    status=0
    eval "env -u BARICOR_BUILD_DIR -u BARICOR_ASAN_BUILD_DIR -u BARICOR_FUZZ_BUILD_DIR -u BARICOR_FUZZ_SECONDS \
        PATH=\"$scratch/bin:\$PATH\" $settings \"$scratch/repo/scripts/test.sh\"" >"$output" 2>&1 || status=$?
    want_status=0
    [[ "$last" == PASSED:* ]] || want_status=1
    summary="$(sed -n '/^== Summary$/,$p' "$output")"
    if [ "$(tail -n 1 "$output")" != "$last" ] || [ "$status" -ne "$want_status" ] ||
       [[ "$(tr -s ' ' <<<"$summary")" != *"$(tr -s ' ' <<<"$holds")"* ]] ||
       [ "$(grep -cE '(^|: )[0-9]+ passed, [0-9]+ failed$' "$output")" -ne 1 ]; then
        echo "WRONG with ${settings:-every stage passing}: status $status (expected $want_status), summary:" >&2
        echo "${summary:-(none; last lines:)}" >&2
        [ -n "$summary" ] || tail -n 5 "$output" >&2
        echo "expected the last line \"$last\" and, in the summary, \"$holds\"" >&2
        wrong=$((wrong + 1))
    fi
    rm -rf "$scratch/repo/build" "$scratch/repo/build-asan" "$scratch/repo/build-fuzz"
done
if [ "$wrong" -ne 0 ]; then
    echo "test.sh summary: $wrong of ${#rows[@]} cases WRONG" >&2
    exit 1
fi
echo "test.sh summary: all ${#rows[@]} cases right"
