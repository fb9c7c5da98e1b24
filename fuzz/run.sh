#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) on its seeds.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(catalog_reader attribute_reader import_file encode check)
build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSHEETWISE_FUZZ=ON -DSHEETWISE_GUI=OFF -DSHEETWISE_TESTS=OFF -DSHEETWISE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" $(printf -- '--target fuzz_%s ' "${targets[@]}")
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    log="$build/artifacts/$target.log"
    mkdir -p "$corpus"
    echo "== $target for ${seconds}s"
    if ! "$build/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$corpus" "fuzz/seeds/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzzer $target found a problem; the input is in $build/artifacts" >&2
        exit 1
    fi
    grep -E 'stat::number_of_executed_units|Done' "$log" || true
done
