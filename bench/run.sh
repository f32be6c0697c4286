#!/usr/bin/env bash
# Builds the measurements (Release, in build-bench/) and runs them; arguments go to Google
# Benchmark, e.g. bench/run.sh --benchmark_filter=Load.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DQ4_BENCH=ON -DQ4_GUI=OFF >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_core
"$BUILD_DIR/bench/bench_core" "$@"
