#!/bin/sh
# smoke.sh ENGINE [ARGS...]: two games of ENGINE against itself through c-gomoku-cli
# (first opening, colours swapped, drawn at 60 stones to stay short).
# Exit 0 when both games end normally (no crash, illegal move or time-out),
# 77 when the manager is absent, 1 otherwise.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -lt 1 ] || [ "$1" = "--help" ] || [ "$1" = "-h" ]; then
    echo "usage: smoke.sh ENGINE [ARGS...]  (2 games of ENGINE against itself; exit 0 = clean)"
    [ $# -lt 1 ] && exit 2 || exit 0
fi
out=$(mktemp -d "${TMPDIR:-/tmp}/smoke.XXXXXX")
python3 "$here/match.py" --engine-a "$*" --engine-b "$*" --games 2 --draw-after 60 \
    --quiet --out "$out/match" > "$out/summary.txt" 2>&1
code=$?
if [ $code -eq 77 ]; then
    echo "skipped"; rm -rf "$out"; exit 77
fi
if [ $code -eq 0 ] && grep -q '^games 2 ' "$out/summary.txt" \
        && grep -q '^faults: none' "$out/summary.txt"; then
    grep '^games\|^endings' "$out/summary.txt"
    echo "smoke: ok"
    rm -rf "$out"
    exit 0
fi
cat "$out/summary.txt"
echo "smoke: FAILED (files in $out)"
exit 1
