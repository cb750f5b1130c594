#!/usr/bin/env bash
# Builds the Windows program again from a copy of the checkout in another
# folder, later than the build under test, and checks that both programs are
# the same bytes: anyone who builds the commit gets the exe that was published.
#   reproducible_exe.sh SOURCE_DIR BUILD_TYPE VERMILO.EXE WORK_DIR
set -euo pipefail
source=$1 build_type=$2 game=$3 work=$4

command -v git >/dev/null || { echo "SKIP: git is not installed"; exit 77; }
rm -rf "$work"
mkdir -p "$work/copy"
# The checkout's files as they are now, committed or not; no build output.
git -C "$source" ls-files -z --cached --others --exclude-standard |
    tar -C "$source" --null -T - --ignore-failed-read -cf - | tar -C "$work/copy" -xf -

cmake -S "$work/copy" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
    -DCMAKE_TOOLCHAIN_FILE="$work/copy/cmake/mingw-w64-x86_64.cmake" -DVERMILO_TESTS=OFF \
    >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" --target vermilo >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; exit 1; }

again="$work/build/app/vermilo.exe"
echo "built in $(dirname "$game") and again in $(dirname "$again"): $(stat -c %s "$game") bytes"
if ! cmp "$game" "$again"; then
    echo "FAIL: the two builds differ; offsets (decimal) and bytes (octal):"
    cmp -l "$game" "$again" | head -20
    exit 1
fi
echo "the two builds of vermilo.exe are the same bytes"
rm -rf "$work"
