#!/usr/bin/env bash
# Fails when a C++ file differs from the house style in .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build')
[ -z "$files" ] && exit 0
bad=0
for f in $files; do
    [ -f "$f" ] || continue
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "format: $f differs from .clang-format (run: clang-format -i $f)" >&2
        bad=1
    fi
done
exit $bad
