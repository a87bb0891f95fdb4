#!/bin/sh
# Installs a built tree into a scratch folder, as a package build would, and checks what landed:
#   check-install.sh BUILD_DIR VERSION
# Needs no root. Registered with CTest as packaging_install_tree.
set -eu

build=${1:?usage: check-install.sh BUILD_DIR VERSION}
version=${2:?usage: check-install.sh BUILD_DIR VERSION}
here=$(cd "$(dirname "$0")" && pwd)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
"$here/check-tree.sh" "$stage" "$version"
