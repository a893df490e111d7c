#!/usr/bin/env bash
# Configures and builds Sulvo; prints the build folder on its last line.
# Usage: build.sh [--sanitize] [--bench] [--no-gui]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build type=Release sanitize=OFF bench=OFF gui=ON
for arg in "$@"; do
    case "$arg" in
    --sanitize) dir=build-sanitize type=Debug sanitize=ON ;;
    --bench) bench=ON ;;
    --no-gui) gui=OFF ;;
    *) echo "build.sh: unknown option $arg" >&2; exit 2 ;;
    esac
done
# A compiler cache, where one is installed, makes rebuilds of other checkouts of the tree cheap.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Every option is passed each time, so a choice cached by an earlier run never sticks.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=$type -DSULVO_SANITIZE=$sanitize -DSULVO_BENCH=$bench \
    -DSULVO_GUI=$gui "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" >&2
echo "$dir"
