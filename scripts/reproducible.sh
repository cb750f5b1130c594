#!/usr/bin/env bash
# Builds the last commit twice, in two fresh clones in two folders one after
# the other, and compares byte for byte what players download: the Windows
# program, its zip and its installer, and the Debian package and its program
# (from the optimised `release` preset). Prints each file's size and SHA-256
# and whether the builds agree; fails when any differ.
#   scripts/reproducible.sh [WORK_DIR]      (default build/reproducible)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
work=$(realpath -m "${1:-build/reproducible}")
commit=$(git rev-parse HEAD)
rm -rf "$work"
mkdir -p "$work"

build() {
    local dir=$work/$1
    echo "== building $commit in $dir ($(date -u +%T) UTC)"
    git clone -q --no-checkout --shared "$PWD" "$dir"
    git -C "$dir" checkout -q --detach "$commit"
    (
        cd "$dir"
        cmake --preset windows -DVERMILO_TESTS=OFF
        cmake --build --preset windows
        (cd build/windows && cpack)
        cmake --preset release -DVERMILO_TESTS=OFF -DVERMILO_BENCH=OFF
        cmake --build --preset release
        (cd build/release && cpack)
    ) >"$work/$1.log" 2>&1 || { tail -30 "$work/$1.log"; exit 1; }
}
build first
build second

differ=0
cd "$work/first"
for file in build/windows/app/vermilo.exe build/windows/vermilo-*-windows-x64.{exe,zip} \
    build/release/app/vermilo build/release/vermilo_*.deb; do
    other=$work/second/$file
    if cmp -s "$file" "$other"; then
        verdict=same
    else
        verdict="DIFFERENT ($(cmp -l "$file" "$other" 2>/dev/null | wc -l) bytes)"
        differ=1
    fi
    printf '%-45s %9d bytes  %.16s…  %s\n' "$file" "$(stat -c %s "$file")" \
        "$(sha256sum "$file")" "$verdict"
done
exit "$differ"
