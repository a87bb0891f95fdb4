#!/bin/sh
# Installs what is missing, builds Cinquevole and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/ui/cinquevole
