#!/usr/bin/env bash
# Installs the Debian package on a fresh, minimal Debian 12 (a debootstrap
# chroot), so that every library the program needs has to come in through the
# package's declared dependencies. Then it starts the program as its desktop
# entry does (Exec= run from the Path= folder), checks that the pictures are in
# that folder, removes the package and checks that nothing is left.
#
#   sudo packaging/check-fresh-install.sh PATH/TO/baricor_*.deb [CHROOT_DIR]
#
# Needs root, debootstrap and the Debian mirror; the chroot (about 300 MB, a
# few minutes to make) is kept in CHROOT_DIR (default /var/tmp/baricor-bookworm)
# and reused on the next run.
set -euo pipefail
deb="$(realpath "$1")"
root="${2:-/var/tmp/baricor-bookworm}"

[ "$(id -u)" -eq 0 ] || { echo "run as root" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "needs debootstrap (apt-get install debootstrap)" >&2; exit 1; }

if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/baricor.deb"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true' EXIT

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
apt-get remove -y -q baricor >/dev/null 2>&1
if [ -e /usr/bin/baricor ] || [ -e "$path" ] || [ -e "$entry" ]; then echo "files left after removal"; exit 1; fi
echo "removed cleanly"
'
echo "fresh install check passed"
