#!/usr/bin/env bash
# Builds the measurements (Release, in build-bench/) and runs them: the core's with Google
# Benchmark (arguments go to it, e.g. bench/run.sh --benchmark_filter=Load), then the desktop
# program's offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DQ4_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_core bench_ui
"$BUILD_DIR/bench/bench_core" "$@"
QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= "$BUILD_DIR/bench/bench_ui" -minimumvalue 50 | grep -E "^(RESULT|PASS|FAIL)|msecs"
