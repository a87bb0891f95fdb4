#!/bin/bash
# Reads the program through AT-SPI as a screen reader does (atspi_read.py), on a virtual screen
# of its own with a window manager and a private D-Bus session.
#   tests/ui/atspi_test.sh PROGRAM
# Exits 77 (skipped) when Xvfb, dbus-run-session, xdotool or python3's pyatspi is missing
# (scripts/install-deps.sh installs them). Everything it starts is stopped when it ends.
set -euo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # pyatspi comes with Debian's python3, not with another one on PATH

skip() {
    echo "SKIP: $*"
    exit 77
}
for tool in Xvfb dbus-run-session xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"

source "$here/../../scripts/virtual-screen.sh"
work=$(mktemp -d)
chmod 700 "$work"
cleanup() {
    stop_virtual_screen
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# openbox, when installed, gives the main window the focus and the keys with it.
start_virtual_screen "$work" || skip "no virtual screen"

# The accessibility bus lives in the private session and goes with it.
export XDG_RUNTIME_DIR=$work HOME=$work ATSPI_PROGRAM_LOG=$work/program.log
status=0
timeout --kill-after=5 60 dbus-run-session -- "$python" "$here/atspi_read.py" "$program" \
    2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' \
        -e 'Successfully activated' -e 'SpiRegistry daemon' >&2) || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    echo "--- program output"
    cat "$work/program.log" 2>/dev/null || true
fi
exit "$status"
