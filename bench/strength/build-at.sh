#!/bin/sh
# Builds pbrain-cinquevole as it was at a commit, into a folder of its own, for sprt.py's base:
#   bench/strength/build-at.sh REV DIR    (DIR/pbrain-cinquevole is the engine)
set -eu
[ $# -eq 2 ] || { echo "usage: $0 REV DIR" >&2; exit 2; }
rev=$1
dir=$(realpath -m "$2")
root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
src="$dir/src"
rm -rf "$src"
mkdir -p "$dir"
git -C "$root" archive --format=tar --prefix=src/ "$rev" | tar -x -C "$dir"
cmake -S "$src" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUEVOLE_TESTS=OFF \
    >/dev/null
cmake --build "$dir/build" --target pbrain-cinquevole -j2 >/dev/null
cp "$dir/build/src/pbrain/pbrain-cinquevole" "$dir/pbrain-cinquevole"
"$dir/pbrain-cinquevole" --bench 2>/dev/null | tail -n 1 || true
