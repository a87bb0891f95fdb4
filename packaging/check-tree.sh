#!/bin/bash
# Checks an installed Cinquevole tree: ROOT holds usr/… as `cmake --install --prefix /usr` with
# DESTDIR=ROOT, or `dpkg-deb -x`, lay it out.
#   check-tree.sh ROOT VERSION
# Checks the exact file list, the PNG sizes, the desktop entry and the metainfo through their
# validators, and the names by which the files refer to each other.
# Exits 0 when all holds, 1 on a fault, 77 when a validator is not installed.
set -euo pipefail

root=${1:?usage: check-tree.sh ROOT VERSION}
version=${2:?usage: check-tree.sh ROOT VERSION}
id=io.github.cinquevole.Cinquevole
sizes="16 24 32 48 64 128 256"

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (packages desktop-file-utils, appstream)"
        exit 77
    fi
done

faults=0
fault() {
    echo "FAULT: $*"
    faults=$((faults + 1))
}

desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml

# The file list, exactly: anything more would be a stray install rule (a test tool, a library).
expected=$(
    {
        echo usr/bin/cinquevole
        echo usr/bin/pbrain-cinquevole
        echo "$desktop"
        echo "$metainfo"
        echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
        for s in $sizes; do
            echo "usr/share/icons/hicolor/${s}x${s}/apps/$id.png"
        done
    } | sort
)
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
while read -r f; do
    fault "missing: /$f"
done < <(comm -23 <(echo "$expected") <(echo "$actual") | sed '/^$/d')
while read -r f; do
    fault "unexpected: /$f"
done < <(comm -13 <(echo "$expected") <(echo "$actual") | sed '/^$/d')

for program in cinquevole pbrain-cinquevole; do
    if [ -f "$root/usr/bin/$program" ]; then
        [ -x "$root/usr/bin/$program" ] || fault "/usr/bin/$program is not executable"
        [ "$(head -c 4 "$root/usr/bin/$program" | od -An -c | tr -d ' ')" = '177ELF' ] ||
            fault "/usr/bin/$program is not an ELF program"
    fi
done

# A PNG's width and height are the big-endian words at bytes 16 and 20 of its header.
png_dimension() {
    od -An -tu1 -j "$2" -N4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'
}
for s in $sizes; do
    png=$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png
    [ -f "$png" ] || continue
    w=$(png_dimension "$png" 16)
    h=$(png_dimension "$png" 20)
    if [ "$w" != "$s" ] || [ "$h" != "$s" ]; then
        fault "${s}x${s} icon is ${w}x${h}"
    fi
done

if [ -f "$root/$desktop" ]; then
    if ! out=$(desktop-file-validate "$root/$desktop" 2>&1) || [ -n "$out" ]; then
        fault "desktop-file-validate: $out"
    fi
    key() { sed -n "s/^$1=//p" "$root/$desktop" | head -n 1; }
    exec_program=$(key Exec | awk '{ print $1 }')
    [ -x "$root/usr/bin/$exec_program" ] || fault "Exec=$exec_program is not in /usr/bin"
    [ "$(key Icon)" = "$id" ] || fault "Icon=$(key Icon), the installed icon is $id"
    for category in Game BoardGame; do
        case ";$(key Categories)" in
            *";$category;"*) ;;
            *) fault "Categories=$(key Categories) lacks $category" ;;
        esac
    done
fi

if [ -f "$root/$metainfo" ]; then
    # validate-tree also finds the desktop entry the metainfo launches; pedantic notes pass.
    if ! out=$(appstreamcli validate-tree --no-net --no-color "$root" 2>&1); then
        fault "appstreamcli validate-tree: $out"
    fi
    tag() { sed -n "s|.*<$1[^>]*>\([^<]*\)</$1>.*|\1|p" "$root/$metainfo" | head -n 1; }
    [ "$(tag id)" = "$id" ] || fault "metainfo id is $(tag id), its file is named $id"
    [ "$(tag launchable)" = "$id.desktop" ] || fault "metainfo launches $(tag launchable)"
    [ "$(tag binary)" = cinquevole ] || fault "metainfo provides binary $(tag binary)"
    # The newest release comes first and names the version being installed.
    newest=$(sed -n 's|.*<release [^>]*version="\([^"]*\)".*|\1|p' "$root/$metainfo" | head -n 1)
    [ "$newest" = "$version" ] ||
        fault "metainfo's newest release is ${newest:-none}, the project is at $version"
fi

if [ "$faults" -ne 0 ]; then
    echo "$faults fault(s) in $root"
    exit 1
fi
echo "OK: $root holds Cinquevole $version as expected"
