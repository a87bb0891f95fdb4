# Sourced by the scripts that drive the real program: a virtual X screen of its own (Xvfb picks a
# free display number) with a window manager, so that windows get the focus and the keys as on a
# desktop.
#   start_virtual_screen WORK_DIR [WIDTHxHEIGHT]   sets DISPLAY; fails when Xvfb gives no display
#   stop_virtual_screen                            stops the window manager and Xvfb
# Needs Xvfb; openbox and xprop when they are installed.

virtual_screen_pids=()

start_virtual_screen() {
    local work=$1 size=${2:-1280x1024}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    virtual_screen_pids+=($!)
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "${virtual_screen_pids[0]}" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        echo "Xvfb gave no display: $(cat "$work/xvfb.log")" >&2
        return 1
    fi
    export DISPLAY=":$(cat "$work/display")"
    command -v openbox >/dev/null || return 0
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    virtual_screen_pids+=($!)
    # Ready once it names itself on the root window.
    for _ in $(seq 50); do
        command -v xprop >/dev/null || break
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

stop_virtual_screen() {
    local k
    for ((k = ${#virtual_screen_pids[@]} - 1; k >= 0; k--)); do
        kill "${virtual_screen_pids[k]}" 2>/dev/null || true
        wait "${virtual_screen_pids[k]}" 2>/dev/null || true
    done
    virtual_screen_pids=()
}
