# Sourced by the build scripts: makes sure the Debian packages they need are
# installed. As root it installs what is missing; otherwise it prints the exact
# command to run as root and stops.

# as_root_command COMMAND: how a user who is not root runs COMMAND as root.
as_root_command() {
    if command -v sudo >/dev/null; then
        echo "sudo sh -c '$1'"
    else
        echo "su -c '$1'"
    fi
}

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
        echo "Missing Debian packages. Install them as root:" >&2
        echo "  $(as_root_command "apt-get update && apt-get install -y --no-install-recommends ${missing[*]}")" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# ensure_locale NAME (e.g. it_IT.UTF-8): makes the C library's locale NAME if
# the system lacks it, so that a program started with LC_ALL=NAME gets its
# regional settings from the C library as on a real desktop (the package
# `locales` must be installed).
ensure_locale() {
    local name="$1"
    local canonical
    canonical="$(tr '[:upper:]' '[:lower:]' <<<"$name" | sed 's/utf-8/utf8/')"
    locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$canonical" && return 0

    local command="sed -i \"s/^# *\\($name \\)/\\1/\" /etc/locale.gen && locale-gen"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing locale $name. Make it as root:" >&2
        echo "  $(as_root_command "$command")" >&2
        exit 1
    fi
    sh -c "$command"
    locale -a | tr '[:upper:]' '[:lower:]' | grep -qx "$canonical" || { echo "locale-gen did not make $name" >&2; exit 1; }
}

# What building the program needs. Qt6Gui's CMake files look for the XKB
# headers whether or not the program uses them, and without libxkbcommon-dev
# (51 kB; its library is already in through Qt) every configure prints a
# harmless "Could NOT find XKB". qt6-translations-l10n holds the toolkit's own
# Italian texts (the context menus' entries), loaded whatever the locale.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev libxkbcommon-dev
                fonts-liberation2 fonts-dejavu-core)
# What the tests add: GoogleTest and Google Benchmark; an X server for the X11
# run of the window tests; clang for the fuzz targets; the package checks'
# tools (dpkg-shlibdeps, desktop-file-validate, update-mime-database);
# poppler-utils, which reads back the PDF reports (text, pages, fonts,
# pictures, a rendered page); the Italian locale for the
# locale tests. libc6-dbg lets the leak checker name the dynamic loader's
# thread-local blocks, so that its built-in rule for them applies; without
# libxcursor1, libX11 keeps an error text of its own in thread-local storage
# after every cursor it makes, which the leak checker reports.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev dpkg-dev desktop-file-utils
               shared-mime-info poppler-utils
               locales libc6-dbg libxcursor1)
