#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what a user would get
# from it: the program, its sixteen pictures and their companions at twice the
# pixels in the folder the desktop entry starts it in, the icons, and
# dependencies that cover every library it links.
# Then it starts the packaged program from that folder, unpacked, to see that
# it comes up.
#
#   check-deb.sh BUILD_DIR WORK_DIR [CPACK]
set -uo pipefail
build="$1"
work="$2"
cpack="${3:-cpack}"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

rm -rf "$work" && mkdir -p "$work"
if ! "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack did not build the package" >&2
    exit 1
fi
deb=$(ls "$work"/baricor_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no baricor_*.deb in $work" >&2; exit 1; }
pass "built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb")
has_file() {  # has_file PATH [MODE-PATTERN]
    local line
    line=$(awk -v p="./$1" '$6 == p' <<<"$contents")
    if [ -z "$line" ]; then fail "missing $1"; return; fi
    if [ -n "${2:-}" ] && ! [[ "$(awk '{print $1}' <<<"$line")" =~ $2 ]]; then
        fail "$1 has mode $(awk '{print $1}' <<<"$line"), expected $2"; return
    fi
    pass "$1"
}

has_file usr/bin/baricor '^-rwxr-xr-x$'
has_file usr/share/applications/baricor.desktop '^-rw-r--r--$'
has_file usr/share/mime/packages/baricor.xml '^-rw-r--r--$'
for size in 16 32 48 64 128 256; do
    has_file "usr/share/icons/hicolor/${size}x${size}/apps/baricor.png"
done
# Each picture with its companion at twice the pixels, for dense screens.
for n in 1 2 3 4 5 6 7 8; do
    for side in A B; do
        has_file "usr/share/baricor/Immagini/trave0${n}${side}.jpg"
        has_file "usr/share/baricor/Immagini/trave0${n}${side}@2x.jpg"
    done
done
jpgs=$(grep -c '/Immagini/.*\.jpg$' <<<"$contents")
[ "$jpgs" -eq 32 ] && pass "32 pictures" || fail "$jpgs pictures in Immagini, expected 32 (16 and their @2x companions)"

# Unpack, then read the files themselves.
root="$work/root"
dpkg-deb -x "$deb" "$root"

entry="$root/usr/share/applications/baricor.desktop"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Path)" = /usr/share/baricor ] && pass "Path=/usr/share/baricor" || fail "Path=$(key Path), expected /usr/share/baricor"
[ "$(key Exec)" = "baricor %f" ] && pass "Exec=baricor %f" || fail "Exec=$(key Exec)"
[ "$(key MimeType)" = "application/x-baricor;" ] && pass "MimeType=application/x-baricor;" || fail "MimeType=$(key MimeType)"
[ "$(key Icon)" = baricor ] && pass "Icon=baricor" || fail "Icon=$(key Icon)"
[ "$(key Type)" = Application ] || fail "Type=$(key Type)"
[ "$(key Categories)" = "Education;Science;Engineering;" ] && pass "Categories" || fail "Categories=$(key Categories)"
[ -n "$(key Name)" ] && [ -n "$(key Comment)" ] && pass "Name and Comment" || fail "no Name or Comment"
[ -f "$root$(key Path)/Immagini/trave01A.jpg" ] && pass "Path holds Immagini/trave01A.jpg" || fail "Path has no Immagini/trave01A.jpg"
# The test set-up installs both tools these checks use; a missing one is a
# failure, not a reason to skip the check.
if ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate not installed (desktop-file-utils): the desktop entry is not validated"
else
    desktop-file-validate "$entry" && pass "desktop-file-validate" || fail "desktop-file-validate"
fi

# The work files' type: a valid shared-mime-info package that names
# *.baricor application/x-baricor, the type the desktop entry lists.
mime="$root/usr/share/mime/packages/baricor.xml"
if ! command -v update-mime-database >/dev/null; then
    fail "update-mime-database not installed (shared-mime-info): the work files' type is not checked"
elif [ -f "$mime" ]; then
    mkdir -p "$work/mime/packages" && cp "$mime" "$work/mime/packages/"
    if update-mime-database "$work/mime" 2>"$work/mime.log" && grep -qx 'application/x-baricor:\*\.baricor' "$work/mime/globs"; then
        pass "*.baricor is application/x-baricor"
    else
        fail "the MIME package does not give *.baricor its type: $(cat "$work/mime.log")"
    fi
fi

for size in 16 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/baricor.png"
    [ -f "$icon" ] || continue
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dims pixels"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
declared() { tr ',' '\n' <<<"$depends" | sed 's/^ *//' | awk -v n="$1" '$1 == n'; }
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
    [ -n "$(declared "$package")" ] && pass "depends on $package" || fail "Depends lacks $package"
done
# Every library the program links must be declared, with at least the version
# its symbols need: dpkg-shlibdeps (dpkg-dev) knows.
if ! command -v dpkg-shlibdeps >/dev/null; then
    fail "dpkg-shlibdeps not installed (dpkg-dev): linked libraries not compared with Depends"
else
    mkdir -p "$work/shlibs/debian" && echo "Source: baricor" >"$work/shlibs/debian/control"
    needed=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/bin/baricor" 2>"$work/shlibs/errors" | sed -n 's/^shlibs:Depends=//p')
    [ -n "$needed" ] || fail "dpkg-shlibdeps found no dependencies: $(cat "$work/shlibs/errors")"
    IFS=',' read -ra wanted <<<"$needed"
    for want in "${wanted[@]}"; do
        want=$(xargs <<<"$want")
        name=${want%% *}
        declared=$(declared "$name")
        if [ -z "$declared" ]; then fail "links $name but does not depend on it ($want)"; continue; fi
        if [[ "$want" == *"(>="* ]]; then
            floor=$(sed 's/.*>= *\([^)]*\)).*/\1/' <<<"$want")
            have=$(sed -n 's/.*>= *\([^)]*\)).*/\1/p' <<<"$declared")
            if [ -z "$have" ] || dpkg --compare-versions "$have" lt "$floor"; then
                fail "declares '$declared', the program needs '$want'"; continue
            fi
        fi
        pass "declares $declared (needs $want)"
    done
fi
readelf --section-headers "$root/usr/bin/baricor" | grep -q '\.symtab' && fail "the program is not stripped" || pass "stripped"

# The packaged program, started as the desktop entry starts it (from Path),
# must come up and stay up; a crash or a missing library ends it early.
(cd "$root$(key Path)" && QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/baricor" >"$work/run.log" 2>&1)
status=$?
if [ "$status" -eq 124 ]; then
    pass "the packaged program starts from its Path"
else
    fail "the packaged program ended with status $status: $(cat "$work/run.log")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures package checks failed" >&2
    exit 1
fi
echo "package checks passed"
