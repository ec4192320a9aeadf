#!/usr/bin/env bash
# Tries the README's two commands as a new user would: on a fresh minimal
# Debian 12 (debootstrap --variant=minbase), entered with a clean environment
# (no LANG, no locales), as root, in a clean clone of this repository's HEAD.
#  1. ./scripts/run.sh without a display: it must install, build, and end with
#     its one-line message and status 1;
#  2. ./scripts/test.sh: it must pass.
# Prints the time of each and, on a failure, the last lines of its log.
#
#   scripts/check-fresh-machine.sh [--twice] [--keep] [ROOT_DIR]   (as root)
#
# --twice  runs the test command a second time, with the builds up to date;
# --keep   keeps the Debian root (otherwise removed after a success; kept
#          after a failure, to look into).
# ROOT_DIR defaults to /var/tmp/baricor-fresh; an earlier root this script made
# there is replaced, any other folder that is not empty is refused. Logs go to
# ROOT_DIR.logs/ (debootstrap.log, run.log, test.log, test-again.log) and stay.
# It takes 15 to 25 minutes on 2 cores under load (--twice: a few more) and
# needs the Debian mirror. Run it by hand; the test command does not.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/packages.sh"

twice=0
keep=0
root=/var/tmp/baricor-fresh
for arg in "$@"; do
    case "$arg" in
        --twice) twice=1 ;;
        --keep) keep=1 ;;
        -*) echo "unknown option $arg" >&2; exit 2 ;;
        *) root="$arg" ;;
    esac
done
root="$(realpath -m "$root")"
logs="$root.logs"
mirror=http://deb.debian.org/debian

if [ "$(id -u)" -ne 0 ]; then
    echo "It makes a Debian root and mounts into it: run it as root:" >&2
    echo "  $(as_root_command "$0 $*")" >&2
    exit 1
fi
ensure_packages debootstrap git

mounts_under() { awk -v r="$root" '$2 == r || index($2, r "/") == 1 {print $2}' /proc/mounts; }

# Ends every process whose root is the Debian root (the commands' builds, X
# servers, tests), then unmounts what was mounted there, innermost first.
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    local pids=() link pid
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] || continue
        pid="${link#/proc/}" && pids+=("${pid%/root}")
    done
    if [ ${#pids[@]} -gt 0 ]; then
        kill -TERM "${pids[@]}" 2>/dev/null || true
        sleep 2
        kill -KILL "${pids[@]}" 2>/dev/null || true
    fi
    local mount
    for mount in $(mounts_under | sort -r); do
        # A process that was just ended may hold it for a moment.
        umount "$mount" 2>/dev/null || { sleep 3; umount "$mount"; } || umount -l "$mount"
    done
    if [ -n "$(mounts_under)" ]; then
        echo "still mounted under $root: $(mounts_under | tr '\n' ' ')" >&2
    elif [ "$status" -eq 0 ] && [ "$keep" -eq 0 ]; then
        rm -rf --one-file-system "$root"
    else
        echo "The Debian root is kept in $root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

elapsed() { local s=$(( $(date +%s) - $1 )); printf '%d min %02d s' $((s / 60)) $((s % 60)); }

# Runs a command as a new user would, in a login shell with a clean environment,
# in the background so that an interruption reaches the trap at once.
# in_root LOG COMMAND
in_root() {
    env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        chroot "$root" /bin/bash -l -c "cd /root/baricor && $2" </dev/null >"$1" 2>&1 &
    local child=$!
    wait "$child"
}

failed() {  # failed WHAT LOG
    echo "---- last lines of $2" >&2
    tail -n 60 "$2" >&2
    echo "FRESH MACHINE: $1 FAILED" >&2
    exit 1
}

if [ -n "$(mounts_under)" ]; then
    echo "$root still has mounts from an earlier run: $(mounts_under | tr '\n' ' ')" >&2
    trap - EXIT
    exit 1
fi
marker="$root/root/.made-by-check-fresh-machine"
if [ -d "$root" ] && [ ! -f "$marker" ] && [ -n "$(ls -A "$root")" ]; then
    echo "$root is not empty and was not made by this script: give another folder" >&2
    trap - EXIT
    exit 1
fi
rm -rf --one-file-system "$root" "$logs"
mkdir -p "$logs"

commit="$(git -C "$here" rev-parse HEAD)"
echo "Checking commit $commit"
[ -z "$(git -C "$here" status --porcelain)" ] || echo "(changes not committed are not part of the check)"

start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$logs/debootstrap.log" 2>&1 ||
    failed "debootstrap" "$logs/debootstrap.log"
echo "minimal Debian 12 made in $(elapsed "$start")"
touch "$marker"

cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q --no-hardlinks "$here" "$root/root/baricor"
git -C "$root/root/baricor" checkout -q --detach "$commit"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"

start=$(date +%s)
status=0
in_root "$logs/run.log" ./scripts/run.sh || status=$?
took="$(elapsed "$start")"
message="$(tail -n 1 "$logs/run.log")"
if [ "$status" -ne 1 ] || [[ "$message" != *"there is no display"* ]]; then
    failed "the run command (status $status, expected 1 and the no-display message)" "$logs/run.log"
fi
echo "run command: $took, status 1: $message"

start=$(date +%s)
in_root "$logs/test.log" ./scripts/test.sh || failed "the test command" "$logs/test.log"
echo "test command right after it (the program built, every other build from empty): $(elapsed "$start")"
sed -n '/^== Summary$/,$p' "$logs/test.log"

if [ "$twice" -eq 1 ]; then
    start=$(date +%s)
    in_root "$logs/test-again.log" ./scripts/test.sh || failed "the test command, second run" "$logs/test-again.log"
    echo "test command with the builds up to date: $(elapsed "$start")"
fi
echo "FRESH MACHINE: passed (logs in $logs)"
