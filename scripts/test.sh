#!/usr/bin/env bash
# Builds Baricor and runs every test: the section analysis, and the window
# tests both on the offscreen platform and on a real X11 server (Xvfb).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

build="${BARICOR_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARICOR_BUILD_TESTS=ON
cmake --build "$build" -j"$(nproc)"

# One X server for the whole run; each window test is registered once per
# platform and picks its own through QT_QPA_PLATFORM.
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" --timeout 300
