#!/bin/bash
# Takes the README's screenshot from the real program on a virtual screen: two players, a first
# game won and framed, a second one under way, every move played with the keyboard (the arrow
# keys move the sight, Enter plays).
#   docs/make-screenshot.sh [--scale N] [PROGRAM [OUTPUT]]
# PROGRAM defaults to build/release/src/ui/cinquevole (scripts/play.sh builds it), OUTPUT to
# docs/screenshot.png. --scale 2 runs the program at a device pixel ratio of 2 on a screen of
# 2560 × 2048 (QT_SCALE_FACTOR), to see the high-DPI drawing.
# Needs Xvfb, openbox, xdotool, xprop and ImageMagick
# (apt-get install xvfb openbox xdotool x11-utils imagemagick).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
scale=1
if [ "${1:-}" = --scale ]; then
    scale=$2
    shift 2
fi
program=$(realpath "${1:-$here/../build/release/src/ui/cinquevole}")
output=$(realpath -m "${2:-$here/screenshot.png}")

for tool in Xvfb openbox xdotool import xprop; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: apt-get install xvfb openbox xdotool imagemagick x11-utils" >&2
        exit 1
    }
done
[ -x "$program" ] || {
    echo "no program at $program: build it first (scripts/play.sh or cmake --preset release)" >&2
    exit 1
}

source "$here/../scripts/virtual-screen.sh"
work=$(mktemp -d)
chmod 700 "$work"  # the program's runtime folder
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_virtual_screen
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
start_virtual_screen "$work" "$((1280 * scale))x$((1024 * scale))"

HOME=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" \
    >"$work/program.log" 2>&1 &
program_pid=$!

fail() {
    echo "make-screenshot.sh: $*" >&2
    cat "$work/program.log" >&2
    exit 1
}
# The program's one visible window, once it is mapped.
visible_window() {
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$program_pid" \
        --name '^Cinquevole$' | tail -n 1) || true
    [ -n "$window" ] || fail "no window of the program on the screen within 10 s"
    echo "$window"
}
key() {
    xdotool key --delay 20 "$@"
    sleep 0.1
}

# The options dialog: "Autres" for a second player (a click on the option: it stands at 3600,
# 1720 twips in the dialog, 240 × 115 pixels), then OK.
dialog=$(visible_window)
xdotool windowactivate --sync "$dialog"
xdotool mousemove --window "$dialog" $((250 * scale)) $((123 * scale)) click 1
sleep 0.2
key Return
sleep 0.5
main=$(visible_window)
[ "$main" != "$dialog" ] || fail "the main window did not open"
xdotool windowactivate --sync "$main"
sleep 0.3

# The sight starts at row 3, column 15 of the sheet's index (ligne 2, colonne 14 as the user
# counts). Each move walks the sight there with the arrow keys and plays with Enter.
row=3
column=15
play() {
    local target_row=$1 target_column=$2
    while [ "$row" -lt "$target_row" ]; do key Down; row=$((row + 1)); done
    while [ "$row" -gt "$target_row" ]; do key Up; row=$((row - 1)); done
    while [ "$column" -lt "$target_column" ]; do key Right; column=$((column + 1)); done
    while [ "$column" -gt "$target_column" ]; do key Left; column=$((column - 1)); done
    key Return
    sleep 0.2
}

# First game: green aligns five on row 6 and wins; red answers two rows below. The game's area
# is framed in green and closed.
for k in 0 1 2 3 4; do
    play 6 $((7 + k))
    if [ "$k" -lt 4 ]; then
        play 8 $((6 + 2 * k))
    fi
done
# Second game, under way below and to the left of the first one.
play 12 5
play 11 6
play 12 6
play 13 5
play 12 7
sleep 0.5

import -window "$main" "$output"
echo "$output"
