#!/usr/bin/env bash
# Builds the benchmarks in Release and prints each figure with its floor,
# measured in the same run. RUNS sets the number of runs (default 7).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench_app bench_driver >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench_driver" "$build/bench/bench_app" "${RUNS:-7}"
