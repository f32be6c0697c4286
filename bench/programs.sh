# Sourced by the transfer benchmarks: builds q4150cli and q4000sim in Release into BUILD_DIR
# (build-bench unless given) and sets CLI, SIM and a scratch folder WORK removed on exit.
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DQ4_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j2 --target q4150cli q4000sim >/dev/null
CLI="$BUILD_DIR/cli/q4150cli"
SIM="$BUILD_DIR/sim/q4000sim"
WORK=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$WORK"' EXIT
