#!/bin/sh
# Installs what is missing, builds Cinquevole with its tests, and runs every test: once in an
# optimised build with warnings as errors and clang-tidy, then under AddressSanitizer and UBSan.
# The benchmarks and the fuzz target are built too and run briefly, so that they keep working.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in ci asan bench fuzz; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
ctest --preset bench
ctest --preset fuzz
ctest --preset ci
ctest --preset asan
