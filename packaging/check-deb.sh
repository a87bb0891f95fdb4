#!/bin/bash
# Builds the Debian package and takes it through what a user does with it: looks inside it,
# installs it with apt-get, checks the desktop entry and metainfo in place, starts the installed
# program on a virtual screen, removes it and looks for anything left behind.
#   packaging/check-deb.sh [BUILD_DIR]        (default build/package, a release build)
# Runs as root on Debian 12: it installs the tools it needs and, for a while, the package itself.
# The X display for the start is :6 unless CHECK_DEB_DISPLAY names another.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=${1:-$source_dir/build/package}
display=${CHECK_DEB_DISPLAY:-:6}
id=io.github.cinquevole.Cinquevole

step() { printf '\n== %s\n' "$*"; }
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

if [ "$(id -u)" -ne 0 ]; then
    fail "check-deb.sh installs and removes a package: run it as root"
fi
if dpkg-query -W -f='${Status}' cinquevole 2>/dev/null | grep -q 'ok installed'; then
    fail "cinquevole is installed already; remove it first (apt-get remove cinquevole)"
fi

work=$(mktemp -d)
installed=""
program_pid=""
xvfb_pid=""
cleanup() {
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    if [ -n "$installed" ]; then
        echo "Removing the package left installed by the interrupted check"
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq cinquevole >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

step "Tools"
"$source_dir/scripts/install-deps.sh"
tools="cmake:cmake ninja:ninja-build dpkg-shlibdeps:dpkg-dev desktop-file-validate:desktop-file-utils
appstreamcli:appstream Xvfb:xvfb xwininfo:x11-utils xprop:x11-utils"
missing=""
for entry in $tools; do
    command -v "${entry%%:*}" >/dev/null || missing="$missing ${entry#*:}"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
echo "ok"

step "Release build in $build"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUEVOLE_TESTS=OFF \
    >/dev/null
nice cmake --build "$build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)

step "Package"
rm -f "$build"/cinquevole_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$build/cinquevole_${version}_${arch}.deb
[ -f "$deb" ] || fail "cpack made $(ls "$build"/*.deb 2>/dev/null || echo nothing), not $deb"
echo "$deb"

step "Contents (dpkg-deb -c)"
dpkg-deb -c "$deb" | awk '{ print $6 }' | tee "$work/contents"
for f in /usr/bin/cinquevole /usr/bin/pbrain-cinquevole \
    "/usr/share/applications/$id.desktop" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "/usr/share/icons/hicolor/48x48/apps/$id.png" \
    "/usr/share/metainfo/$id.metainfo.xml"; do
    grep -qx "\.$f" "$work/contents" || fail "the package lacks $f"
done
dpkg-deb -x "$deb" "$work/tree"
"$here/check-tree.sh" "$work/tree" "$version" || fail "the package's files"

step "Control fields (dpkg-deb -f)"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Installed-Size Depends
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = cinquevole ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is at $version"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for p in libc6 libqt6widgets6; do
    echo "$depends" | grep -qE "(^|, )$p( |,|$)" || fail "Depends lacks $p"
done
if echo "$depends" | grep -qiE 'gtest|gmock|benchmark|-dev( |,|$)'; then
    fail "Depends names a build or test package: $depends"
fi

step "Install (apt-get install ./$(basename "$deb"))"
installed=yes
(cd "$build" && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$(basename "$deb")") \
    >"$work/apt-install.log" 2>&1 || { cat "$work/apt-install.log"; fail "apt-get install"; }
dpkg-query -W -f='${Package} ${Version} ${Status}\n' cinquevole
dpkg -L cinquevole >"$work/owned"
if ldd /usr/bin/cinquevole | grep 'not found'; then
    fail "the installed program misses libraries"
fi
echo "desktop-file-validate /usr/share/applications/$id.desktop"
out=$(desktop-file-validate "/usr/share/applications/$id.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "$out"
echo "appstreamcli validate /usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net --no-color "/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

step "Start /usr/bin/cinquevole on Xvfb $display"
[ -e "/tmp/.X${display#:}-lock" ] && fail "display $display is taken (CHECK_DEB_DISPLAY picks another)"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    DISPLAY=$display xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
done
mkdir -p "$work/home"
HOME=$work/home XDG_RUNTIME_DIR=$work/home DISPLAY=$display QT_QPA_PLATFORM=xcb \
    /usr/bin/cinquevole >"$work/program.log" 2>&1 &
program_pid=$!
window=""
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || { cat "$work/program.log"; fail "the program ended"; }
    # The first of the program's windows (by WM_CLASS) that is mapped on the screen.
    for w in $(DISPLAY=$display xwininfo -root -tree |
        awk '/\("cinquevole" "Cinquevole"\)/ { print $1 }'); do
        if DISPLAY=$display xwininfo -id "$w" | grep -q 'Map State: IsViewable'; then
            window=$w
            break
        fi
    done
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window of the program within 10 s"
DISPLAY=$display xwininfo -id "$window" | sed -n 's/^xwininfo: //p'
DISPLAY=$display xprop -id "$window" WM_CLASS
if DISPLAY=$display xprop -id "$window" _NET_WM_ICON | grep -q 'Icon ('; then
    echo "window icon: set"
else
    echo "window icon: not set"
fi
sleep 1
kill -0 "$program_pid" 2>/dev/null || { cat "$work/program.log"; fail "the program ended"; }
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
echo "ok: it ran until stopped"

step "Remove (apt-get remove cinquevole)"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq cinquevole >"$work/apt-remove.log" 2>&1 ||
    { cat "$work/apt-remove.log"; fail "apt-get remove"; }
installed=""
status=$(dpkg-query -W -f='${db:Status-Abbrev}' cinquevole 2>/dev/null || true)
case "$status" in
    "" | un* | pn*) ;;
    *) fail "after removal dpkg still records cinquevole as '$status'" ;;
esac
left=""
while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then
        left="$left $path"
    fi
done <"$work/owned"
stray=$(find /usr -xdev -iname '*cinquevole*' 2>/dev/null || true)
[ -z "$left" ] || fail "left after removal:$left"
[ -z "$stray" ] || fail "left after removal: $stray"
echo "ok: nothing of the package is left"

printf '\nOK: %s builds, installs, starts and uninstalls cleanly\n' "$(basename "$deb")"
