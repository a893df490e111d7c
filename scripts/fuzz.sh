#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each in turn for SECONDS (default 60),
# keeping what each run finds in build-fuzz/corpus/<target> for the next run.
# Usage: fuzz.sh [SECONDS] [TARGET...]   (targets: fuzz_ini fuzz_projeto fuzz_rugosidade fuzz_pontos)
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
shift || true
alvos=("$@")
[ ${#alvos[@]} -eq 0 ] && alvos=(fuzz_ini fuzz_projeto fuzz_rugosidade fuzz_pontos)
clang=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$clang" ]; then
    echo "fuzz.sh: clang++ is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
dir=build-fuzz
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S tests/fuzz/clang -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER="$clang" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" >&2
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
falhas=0
for alvo in "${alvos[@]}"; do
    mkdir -p "$dir/corpus/$alvo" "$dir/achados/$alvo"
    echo "== $alvo: ${segundos} s" >&2
    if ! "$dir/bin/$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/achados/$alvo/" "$dir/corpus/$alvo" "tests/fuzz/sementes/$alvo" \
        2> "$dir/$alvo.log"; then
        echo "$alvo: FAILED (see $dir/$alvo.log and $dir/achados/$alvo)" >&2
        falhas=$((falhas + 1))
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$dir/$alvo.log" | sed "s/^/$alvo: /"
done
exit $falhas
