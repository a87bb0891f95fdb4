#!/bin/sh
# Installs what building and testing Cinquevole needs on Debian 12, when it is missing.
# Runs apt-get as root, through sudo when the user is not root.
set -eu

packages="g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core \
clang clang-tidy libclang-rt-14-dev \
dpkg-dev desktop-file-utils appstream \
libx11-dev libxdamage-dev libxfixes-dev \
xvfb openbox xdotool dbus-daemon at-spi2-core python3-pyatspi python3-numpy valgrind"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
