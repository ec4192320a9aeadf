#!/usr/bin/env bash
# Builds the section analysis (analysis/) and its figure tables (GoogleTest)
# for two other machines, to show that the core is portable C++17 and that
# its figures do not depend on the processor:
#  - aarch64 Linux, with Debian's cross compiler; the figure tables run under
#    qemu-user;
#  - x86-64 Windows, with MinGW-w64; the figure tables run under Wine
#    (wine64), or are only compiled when Wine cannot start.
# GoogleTest is built for each machine from Debian's sources (/usr/src/googletest).
#
#   scripts/cross-check.sh            results in build-cross/
#
# Run it by hand; it takes a few minutes on 2 cores, and is no part of the
# test command. Exits non-zero when a build or a figure fails.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"
ensure_packages cmake make googletest g++-aarch64-linux-gnu qemu-user g++-mingw-w64-x86-64-posix wine64
out="${BARICOR_CROSS_BUILD_DIR:-$here/build-cross}"
jobs="$(nproc)"

# build_for NAME SYSTEM PROCESSOR TRIPLET COMPILER-SUFFIX LINK-FLAGS
# Builds GoogleTest, then the analysis and its tests, for one machine.
build_for() {
    local name="$1" system="$2" processor="$3" triplet="$4" suffix="$5" link="$6"
    local dir="$out/$name"
    local cross=(-DCMAKE_SYSTEM_NAME="$system" -DCMAKE_SYSTEM_PROCESSOR="$processor"
                 -DCMAKE_CXX_COMPILER="$triplet-g++$suffix"
                 -DCMAKE_EXE_LINKER_FLAGS="$link" -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    echo "== $name: GoogleTest"
    if [ ! -f "$dir/gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
        if ! { cmake -S /usr/src/googletest -B "$dir/gtest-build" "${cross[@]}" -DBUILD_GMOCK=OFF \
                     -DCMAKE_C_COMPILER="$triplet-gcc$suffix" \
                     -DCMAKE_INSTALL_PREFIX="$dir/gtest" &&
               cmake --build "$dir/gtest-build" -j"$jobs" &&
               cmake --install "$dir/gtest-build"; } >"$out/$name.gtest.log" 2>&1; then
            tail -n 30 "$out/$name.gtest.log" >&2
            echo "cross-check: GoogleTest for $name FAILED" >&2
            exit 1
        fi
    fi
    echo "== $name: section analysis and figure tables"
    cmake -S "$here" -B "$dir/build" "${cross[@]}" -DBARICOR_BUILD_UI=OFF -DBARICOR_BUILD_BENCHMARKS=OFF \
          -DBARICOR_BUILD_TESTS=ON -DGTest_DIR="$dir/gtest/lib/cmake/GTest" >/dev/null
    cmake --build "$dir/build" -j"$jobs"
}

mkdir -p "$out"
summary=()

build_for aarch64 Linux aarch64 aarch64-linux-gnu "" ""
readelf -h "$out/aarch64/build/tests/analysis_tests" | grep -q AArch64 ||
    { echo "cross-check: the aarch64 build did not make an aarch64 program" >&2; exit 1; }
echo "== aarch64: figure tables under qemu-user"
log="$out/aarch64.tests.log"
if ! qemu-aarch64 -L /usr/aarch64-linux-gnu "$out/aarch64/build/tests/analysis_tests" >"$log" 2>&1; then
    grep -E '^\[  FAILED  \]' "$log" >&2 || tail -n 30 "$log" >&2
    echo "cross-check: figure tables FAILED on aarch64 (log: $log)" >&2
    exit 1
fi
summary+=("aarch64 Linux (qemu-user): $(grep -E '^\[  PASSED  \]' "$log")")

# Static, so that Wine needs no MinGW libraries beside the program.
build_for windows-x86_64 Windows AMD64 x86_64-w64-mingw32 -posix "-static"
wine=/usr/lib/wine/wine64
log="$out/windows-x86_64.tests.log"
echo "== windows-x86_64: figure tables under Wine"
export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all
if timeout 600 "$wine" "$out/windows-x86_64/build/tests/analysis_tests.exe" >"$log" 2>&1; then
    summary+=("x86-64 Windows (MinGW-w64, Wine): $(grep -E '^\[  PASSED  \]' "$log" | tr -d '\r')")
elif grep -q '^\[==========\]' "$log"; then
    grep -E '^\[  FAILED  \]' "$log" >&2 || tail -n 30 "$log" >&2
    echo "cross-check: figure tables FAILED on Windows (log: $log)" >&2
    exit 1
else
    summary+=("x86-64 Windows (MinGW-w64): compiled; Wine could not run the figure tables (log: $log)")
fi
/usr/lib/wine/wineserver -k 2>/dev/null || true

echo "== cross-check"
printf '%s\n' "${summary[@]}"
