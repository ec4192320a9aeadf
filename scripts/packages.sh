# Sourced by the build scripts: makes sure the Debian packages they need are
# installed. As root it installs what is missing; otherwise it prints the exact
# command to run and stops.

# ensure_packages PACKAGE...
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2 fonts-dejavu-core)
# What the tests add: GoogleTest, an X server for the X11 run of the window tests.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev)
