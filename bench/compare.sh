#!/bin/bash
# The game side by side with a bare Qt Widgets program (bench/bare_window.cpp): time from process
# start to the first window drawn, peak resident memory, processor time while idle. Both run on
# the same virtual X display, with a window manager or without one, alternately, in the same run.
#
#   bench/compare.sh [--no-wm] [BUILD_DIR] [ROUNDS] [IDLE_SECONDS]
#
# --no-wm: no window manager on the display; a window is then mapped as soon as the program
# maps it, so the start-up figures leave out the window manager's share, and the Return that
# confirms the options dialog is sent after the dialog has been given the input focus.
# BUILD_DIR is a build configured with -DCINQUEVOLE_BENCH=ON (default build/bench);
# ROUNDS (default 5) runs of each program, medians reported; IDLE_SECONDS (default 10).
# KEEP=1 keeps the raw results, one file of key=value lines per run (see first_frame.cpp).
#
# Why a real X server and not the offscreen platform: start-up includes connecting to the
# display, loading the platform plugin and fonts, and the window manager mapping the window and
# sending the first expose; an idle program is only idle if nothing wakes it up on a real
# display (a blinking caret does, offscreen or not). Offscreen would leave out work that both
# programs pay and that the user waits for. Xvfb with openbox is that real path without a screen.
#
# The game starts on its options dialog; that is its first window. After the first idle measure
# the script presses Return (the dialog's default button, OK) and measures the main window the
# same way: its first frame after the key, its idle time, and the peak memory with it open.
#
# Needs Xvfb, openbox, xdotool and the first_frame tool (Xlib with DAMAGE: libx11-dev,
# libxdamage-dev).
set -euo pipefail

wm=openbox
if [ "${1:-}" = "--no-wm" ]; then
    wm=
    shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
rounds=${2:-5}
idle=${3:-10}

watch=$build/bench/first_frame
bare=$build/bench/bare_window
game=$build/src/ui/cinquevole
for f in "$watch" "$bare" "$game"; do
    [ -x "$f" ] || { echo "missing $f: build with -DCINQUEVOLE_BENCH=ON" >&2; exit 2; }
done
for tool in Xvfb $wm xdotool; do
    command -v "$tool" > /dev/null || { echo "missing $tool" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null || true
    done
    if [ -n "${KEEP:-}" ]; then
        echo "kept $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it on the descriptor given.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
exec 3>&-
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
if [ -n "$wm" ]; then
    "$wm" > "$work/$wm.log" 2>&1 &
    pids+=($!)
fi
sleep 1

unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work

# Without a window manager nothing gives the dialog the focus: the key is sent after giving it.
if [ -n "$wm" ]; then
    focus=true
    display_setup="Xvfb + $wm"
else
    focus="xdotool search --onlyvisible --name '^Cinquevole\$' windowfocus --sync"
    display_setup="Xvfb without a window manager"
fi

run() {  # run NAME ROUND [--then COMMAND] -- PROGRAM
    local name=$1 round=$2
    shift 2
    "$watch" --idle "$idle" "$@" > "$work/$name.$round" 2> "$work/$name.$round.err"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
# One start of each, not counted, so that both find the libraries and fonts in the file cache.
"$watch" --idle 0 --settle 0 -- "$bare" > /dev/null 2>&1
"$watch" --idle 0 --settle 0 -- "$game" > /dev/null 2>&1
for round in $(seq "$rounds"); do
    echo "round $round of $rounds" >&2
    run bare "$round" -- "$bare"
    run game "$round" --prepare "$focus" --then "xdotool key Return" -- "$game"
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)" >&2

median() {  # median NAME KEY
    cat "$work/$1".[0-9]* | sed -n "s/^$2=//p" | sort -g |
        awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

b_start=$(median bare first_frame_ms)
g_start=$(median game first_frame_ms)
b_cpu=$(median bare first_frame_cpu_ms)
g_cpu=$(median game first_frame_cpu_ms)
b_rss=$(median bare peak_rss_kb)
g_rss=$(median game peak_rss_kb)
b_idle=$(median bare idle_cpu_ms)
g_idle=$(median game idle_cpu_ms)
g_main=$(median game then_first_frame_ms)
g_main_idle=$(median game then_idle_cpu_ms)
b_wake=$(median bare idle_wakeups)
g_wake=$(median game idle_wakeups)
g_main_wake=$(median game then_idle_wakeups)
g_draws=$(median game idle_draws)

awk -v rounds="$rounds" -v idle="$idle" -v setup="$display_setup" \
    -v bs="$b_start" -v gs="$g_start" -v bc="$b_cpu" -v gc="$g_cpu" -v br="$b_rss" -v gr="$g_rss" \
    -v bi="$b_idle" -v gi="$g_idle" -v gm="$g_main" -v gmi="$g_main_idle" \
    -v bw="$b_wake" -v gw="$g_wake" -v gmw="$g_main_wake" -v gd="$g_draws" 'BEGIN {
    printf "Medians of %d alternate runs on %s, idle measured over %g s.\n\n", rounds, setup, idle
    printf "| Measure | Bare Qt window | Cinquevole | Ratio or difference | Budget |\n"
    printf "|---|---|---|---|---|\n"
    printf "| Start to first window drawn | %.0f ms | %.0f ms | %.2f x | <= 1.2 x: %s |\n", bs, gs, gs / bs, gs <= 1.2 * bs ? "met" : "missed"
    printf "| Processor time to first window drawn | %.0f ms | %.0f ms | %.2f x | |\n", bc, gc, gc / bc
    printf "| Peak resident memory | %.1f MB | %.1f MB | %+.1f MB | <= +8 MB: %s |\n", br / 1024, gr / 1024, (gr - br) / 1024, gr - br <= 8 * 1024 ? "met" : "missed"
    printf "| Processor time idle, first window | %.2f ms (%d wake-ups) | %.2f ms (%d wake-ups, %d redraws) | %+.2f ms | 0: %s |\n", bi, bw, gi, gw, gd, gi - bi, gw == 0 ? "met" : "missed"
    printf "| Processor time idle, main window | | %.2f ms (%d wake-ups) | | 0: %s |\n", gmi, gmw, gmw == 0 ? "met" : "missed"
    printf "| OK to main window drawn | | %.0f ms | | |\n", gm
}'
