#!/usr/bin/env bash
# Renders every window of Baricor under Xvfb into docs/screenshots/*.png, then
# the windows that carry pictures at scale 2 into docs/screenshots/*@2x.png.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

build="${BARICOR_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARICOR_BUILD_TESTS=ON
cmake --build "$build" -j"$(nproc)" --target baricor-screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/ui/baricor-screenshots" "$here/docs/screenshots"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" \
    "$build/tests/ui/baricor-screenshots" "$here/docs/screenshots"
echo "Screenshots written to $here/docs/screenshots"
