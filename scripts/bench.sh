#!/usr/bin/env bash
# Builds the benchmarks in Release into ./build-bench (or $VQ_BENCH_DIR) and
# runs every one of them; arguments go to each benchmark program.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VQ_BENCH_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DVQ_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target benches -j "$(nproc)"
for program in "$build"/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" "$@"
done
