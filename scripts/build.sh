#!/usr/bin/env bash
# Configures and builds Sulvo. Usage: build.sh [--sanitize] [--bench] [--no-gui]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
opts=(-DCMAKE_BUILD_TYPE=Release)
for arg in "$@"; do
    case "$arg" in
    --sanitize) dir=build-sanitize; opts=(-DCMAKE_BUILD_TYPE=Debug -DSULVO_SANITIZE=ON) ;;
    --bench) opts+=(-DSULVO_BENCH=ON) ;;
    --no-gui) opts+=(-DSULVO_GUI=OFF) ;;
    *) echo "build.sh: unknown option $arg" >&2; exit 2 ;;
    esac
done
cmake -S . -B "$dir" -G Ninja "${opts[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
