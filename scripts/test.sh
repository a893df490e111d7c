#!/usr/bin/env bash
# Sets everything up and runs the whole test suite. Usage: test.sh [--sanitize]
#   --sanitize  builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
dir=$(bash scripts/build.sh "$@" | tail -n 1)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$dir"
ctest --output-on-failure -j "$(nproc)"
