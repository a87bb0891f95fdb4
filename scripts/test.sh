#!/bin/sh
# Installs what is missing, builds Cinquevole with its tests, and runs every test: once in an
# optimised build with warnings as errors, then under AddressSanitizer and UBSan.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in ci asan; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
ctest --preset ci
ctest --preset asan
