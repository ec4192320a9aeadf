#!/usr/bin/env bash
# Builds Baricor and starts it from the folder that holds Immagini/, where it
# finds the pictures it shows when a field is clicked.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}"

build="${BARICOR_BUILD_DIR:-$here/build}"
# Only the program: no tests, benchmarks or fuzz targets, so nothing is asked
# of the packages only those need. The test command turns them back on.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARICOR_BUILD_TESTS=OFF \
      -DBARICOR_BUILD_BENCHMARKS=OFF -DBARICOR_BUILD_FUZZERS=OFF
cmake --build "$build" -j"$(nproc)" --target baricor

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "Baricor is built ($build/ui/baricor) but there is no display to show it on (DISPLAY is not set)." >&2
    exit 1
fi
cd "$here/pictures"
exec "$build/ui/baricor" "$@"
