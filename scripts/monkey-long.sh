#!/usr/bin/env bash
# Runs the monkey test longer: several seeds, each on the offscreen platform and
# on an X11 server (Xvfb), with many actions each.
#
#   scripts/monkey-long.sh [ACTIONS_PER_RUN] [FIRST_SEED] [SEEDS]
#                          default 100000,   20040701,     4
#
# A failing run prints its seed and the action's number; replay it with
#   BARICOR_MONKEY_SEED=S BARICOR_MONKEY_EVENTS=N+1 QT_QPA_PLATFORM=... build/tests/ui/monkey_tests
# and BARICOR_MONKEY_TRACE=1 to see every action.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
actions="${1:-100000}"
first="${2:-20040701}"
seeds="${3:-4}"
build="${BARICOR_BUILD_DIR:-$here/build}"

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARICOR_BUILD_TESTS=ON
cmake --build "$build" -j"$(nproc)" --target monkey_tests

for ((seed = first; seed < first + seeds; ++seed)); do
    for platform in offscreen xcb; do
        run=(env QT_QPA_PLATFORM="$platform" LC_ALL=C.UTF-8 BARICOR_MONKEY_SEED="$seed"
             BARICOR_MONKEY_EVENTS="$actions" "$build/tests/ui/monkey_tests")
        [ "$platform" = xcb ] && run=(xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}")
        log="$build/monkey-$seed-$platform.log"
        if ! "${run[@]}" >"$log" 2>&1; then
            grep -E -A 30 'last actions' "$log" >&2 || tail -n 40 "$log" >&2
            echo "monkey: seed $seed on $platform FAILED (log: $log)" >&2
            exit 1
        fi
        grep -E '^monkey: [0-9]+ actions' "$log"
    done
done
echo "monkey: $((seeds * 2)) runs of $actions actions, $((seeds * 2 * actions)) actions in all, no fault"
