#!/usr/bin/env bash
# Builds the fuzz targets (clang, build-fuzz/) when needed and runs them on copies of their
# corpora, printing each target's executions, executions per second and coverage.
#   fuzz/run.sh SECONDS [TARGET...]   each target (document, download, link, import) for SECONDS
#   fuzz/run.sh --campaign [TARGET...]  1,000,000 executions of document, 300,000 of the others,
#                                     two targets at a time (PARALLEL=1 for one after the other)
#   fuzz/run.sh --merge [TARGET...]   adds to fuzz/corpus/TARGET the fewest inputs of the last
#                                     campaign that reach what the corpus does not yet reach
# Crashes go to build-fuzz/artifacts/ (BUILD_DIR names another folder); the exit status is 1 when
# any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build-fuzz}
TARGETS=(document download link import)
declare -A MAX_LEN=([document]=65536 [download]=2784 [link]=8192 [import]=8192)
declare -A CAMPAIGN_RUNS=([document]=1000000 [download]=300000 [link]=300000 [import]=300000)

usage() { sed -n '4,10p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
[ $# -ge 1 ] || usage

# choose TARGET...: only the targets named (all when none is).
choose() {
  if [ $# -gt 0 ]; then
    for target in "$@"; do [[ " ${TARGETS[*]} " == *" $target "* ]] || usage; done
    TARGETS=("$@")
  fi
}

build() {
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DQ4_FUZZ=ON -DQ4_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
  fi
  if ! nice cmake --build "$BUILD_DIR" -j"${JOBS:-1}" --target "${TARGETS[@]/#/fuzz_}" >"$BUILD_DIR/build.log" 2>&1; then
    cat "$BUILD_DIR/build.log"
    exit 2
  fi
  mkdir -p "$BUILD_DIR/logs" "$BUILD_DIR/artifacts"
}

# run TARGET WORK_DIR LIBFUZZER_OPTION...: fuzzes on WORK_DIR, a copy of the target's corpus;
# the log is build-fuzz/logs/TARGET.log
run() {
  local target=$1 work=$2 log=$BUILD_DIR/logs/$1.log
  shift 2
  mkdir -p "$work"
  cp fuzz/corpus/"$target"/* "$work"/
  local dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
  local start=$SECONDS status=0
  nice -n 10 "$BUILD_DIR/fuzz/fuzz_$target" "${dict[@]}" -max_len="${MAX_LEN[$target]}" -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$BUILD_DIR/artifacts/$target-" "$@" "$work" \
    >"$log" 2>&1 || status=$?
  local final
  final=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true)
  local execs rate cov ft
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$final")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$final")
  local verdict=nothing
  [ "$status" -eq 0 ] || verdict="FOUND (exit $status, see $log and $BUILD_DIR/artifacts/)"
  printf '%-14s %12s %8s %7s %7s %7s s  %s\n' "fuzz_$target" "${execs:-?}" "${rate:-?}" "${cov:-?}" \
    "${ft:-?}" $((SECONDS - start)) "$verdict"
  [ "$status" -eq 0 ]
}

header() {
  echo "Machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg); AddressSanitizer and UndefinedBehaviorSanitizer"
  printf '%-14s %12s %8s %7s %7s %9s  %s\n' target executions exec/s cov ft time found
}

case $1 in
--campaign)
  shift
  choose "$@"
  build
  header
  work=$BUILD_DIR/campaign
  # A campaign of some targets keeps what the last one of the others found, for --merge.
  for target in "${TARGETS[@]}"; do rm -rf "${work:?}/$target" "$work/$target.line"; done
  failed=0
  pids=()
  mkdir -p "$work"
  for target in "${TARGETS[@]}"; do
    run "$target" "$work/$target" -runs="${CAMPAIGN_RUNS[$target]}" >"$work/$target.line" 2>&1 &
    pids+=($!)
    # At most PARALLEL targets at a time.
    while [ "$(jobs -rp | wc -l)" -ge "${PARALLEL:-2}" ]; do sleep 5; done
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  for target in "${TARGETS[@]}"; do cat "$work/$target.line"; done
  exit $failed
  ;;
--merge)
  shift
  choose "$@"
  build
  # Seeds and former crashers stay: they say what each input was for. Edges count, not how often
  # each ran: every edge reached is a few dozen inputs, where hit counts would keep hundreds.
  for target in "${TARGETS[@]}"; do
    found=$BUILD_DIR/campaign/$target
    [ -d "$found" ] || { echo "no campaign in $found: run fuzz/run.sh --campaign first"; exit 2; }
    before=$(ls "fuzz/corpus/$target" | wc -l)
    nice "$BUILD_DIR/fuzz/fuzz_$target" -set_cover_merge=1 -use_counters=0 -max_len="${MAX_LEN[$target]}" \
      "fuzz/corpus/$target" "$found" >"$BUILD_DIR/logs/$target-merge.log" 2>&1
    echo "fuzz/corpus/$target: $before + $(( $(ls "fuzz/corpus/$target" | wc -l) - before )) files, $(du -sh "fuzz/corpus/$target" | cut -f1)"
  done
  ;;
*)
  [[ $1 =~ ^[0-9]+$ ]] || usage
  seconds=$1
  shift
  choose "$@"
  build
  header
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  failed=0
  for target in "${TARGETS[@]}"; do
    run "$target" "$work/$target" -max_total_time="$seconds" || failed=1
  done
  exit $failed
  ;;
esac
