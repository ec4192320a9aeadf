#!/usr/bin/env bash
# Installs the Debian package on a fresh, minimal Debian 12 (a debootstrap
# chroot), so that every library the program needs has to come in through the
# package's declared dependencies. Then it starts the program as its desktop
# entry does (Exec= run from the Path= folder), checks that the pictures are in
# that folder, removes the package with what it brought in and checks that
# nothing is left.
#
#   packaging/check-fresh-install.sh [--keep] [DEB] [ROOT_DIR]     (as root)
#
# DEB      the package; by default the one `cd build && cpack` made in build/.
# ROOT_DIR where the minimal Debian goes (about 300 MB; a few minutes to make
#          with the Debian mirror); default /var/tmp/baricor-bookworm.
# --keep   keeps that root after a success, and the next run reuses it (the
#          check removes what the package brought in, so the root stays
#          minimal); otherwise it is removed after a success. After a failure
#          it is kept, to look into.
# Installs debootstrap if it is missing.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"

usage() {
    sed -n 's/^#   //p' "$0" | head -n 1 | sed 's/^/usage: /'
    sed -n '/^# DEB /,/^# Installs/s/^# //p' "$0"
}

keep=0
positional=()
for arg in "$@"; do
    case "$arg" in
        --keep) keep=1 ;;
        -h|--help) usage; exit 0 ;;
        -*) echo "unknown option $arg" >&2; usage >&2; exit 2 ;;
        *) positional+=("$arg") ;;
    esac
done
[ ${#positional[@]} -le 2 ] || { usage >&2; exit 2; }

if [ ${#positional[@]} -ge 1 ]; then
    deb="${positional[0]}"
else
    shopt -s nullglob
    debs=("$here"/build/baricor_*.deb)
    shopt -u nullglob
    if [ ${#debs[@]} -ne 1 ]; then
        echo "Give the package to check: build/ holds ${#debs[@]} baricor_*.deb (make one with: cd build && cpack)" >&2
        usage >&2
        exit 2
    fi
    deb="${debs[0]}"
fi
[ -f "$deb" ] || { echo "no such package: $deb" >&2; exit 2; }
deb="$(realpath "$deb")"
root="$(realpath -m "${positional[1]:-/var/tmp/baricor-bookworm}")"

if [ "$(id -u)" -ne 0 ]; then
    echo "It makes a Debian root and installs into it: run it as root:" >&2
    echo "  $(as_root_command "$0 $*")" >&2
    exit 1
fi
ensure_packages debootstrap

# The marker says this script made the root, and "complete" once debootstrap
# finished. A root an earlier version of the script kept (it left
# tmp/baricor.deb there) is made again.
marker="$root/.made-by-check-fresh-install"
if [ -d "$root" ] && [ ! -f "$marker" ] && [ ! -f "$root/tmp/baricor.deb" ] && [ -n "$(ls -A "$root")" ]; then
    echo "$root is not empty and was not made by this script: give another folder" >&2
    exit 1
fi
if mountpoint -q "$root/proc"; then
    umount "$root/proc"
fi

cleanup() {
    local status=$?
    umount "$root/proc" 2>/dev/null || true
    if [ "$status" -eq 0 ] && [ "$keep" -eq 0 ]; then
        rm -rf --one-file-system "$root"
    else
        echo "The Debian root is kept in $root ($(du -sh --one-file-system "$root" 2>/dev/null | cut -f1))"
    fi
}
trap cleanup EXIT

if [ "$(cat "$marker" 2>/dev/null)" = complete ] && [ -x "$root/usr/bin/apt-get" ]; then
    echo "Reusing the minimal Debian 12 in $root"
else
    rm -rf --one-file-system "$root"
    mkdir -p "$root"
    echo made >"$marker"
    echo "Making a minimal Debian 12 in $root"
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
    echo complete >"$marker"
fi

cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/baricor.deb"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"

echo "Checking $deb"
chroot "$root" /bin/bash -euo pipefail -c '
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
apt-get install -y -q /tmp/baricor.deb >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; exit 1; }
entry=/usr/share/applications/baricor.desktop
path=$(sed -n "s/^Path=//p" "$entry")
exec_line=$(sed -n "s/^Exec=//p" "$entry")
echo "Path=$path Exec=$exec_line"
test -f "$path/Immagini/trave01A.jpg" && test -f "$path/Immagini/trave08B.jpg"
echo "the pictures are in the Path folder"
status=0
(cd "$path" && QT_QPA_PLATFORM=offscreen timeout 3 $exec_line >/tmp/run.log 2>&1) || status=$?
if [ "$status" -ne 124 ]; then echo "the program ended with status $status:"; cat /tmp/run.log; exit 1; fi
echo "the program started from the Path folder and kept running"
apt-get purge -y -q --autoremove baricor >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; exit 1; }
if [ -e /usr/bin/baricor ] || [ -e "$path" ] || [ -e "$entry" ]; then echo "files left after removal"; exit 1; fi
echo "removed cleanly"
'
echo "fresh install check passed"
