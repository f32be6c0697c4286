#!/usr/bin/env bash
# Times a plant's units uploaded and verified side by side: one unit alone, then eight at once,
# each on its own emulated unit (q4000sim --units 8, replies paced at 9600 baud) with the unit's
# own fixed waits, and prints the ratio of eight to one (the aim: at most 1.15). An upload
# backs each unit up first, as plant upload always does. Then times identify, which reads the
# General blocks alone (the aim: under a second).
#   bench/plant.sh [UNITS]     (8 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
UNITS=${1:-8}
source bench/programs.sh

"$SIM" --units "$UNITS" --baud 9600 --link "$WORK/port" >"$WORK/sim.log" 2>&1 &
"$CLI" plant new "$WORK/bench.q4plant"
for n in $(seq "$UNITS"); do
  "$CLI" new "$WORK/an-$n.q4g"
  printf 'general 3 1 %d\nphysical 1 1 10 V\nalarm 1 1 IN 11\n' "$n" | "$CLI" edit "$WORK/an-$n.q4g" >/dev/null
  "$CLI" plant add "$WORK/bench.q4plant" "$WORK/an-$n.q4g" --tag "AN-$n"
done
for _ in $(seq 50); do [ -e "$WORK/port-$UNITS" ] && break; sleep 0.1; done

timed() {  # command... -> its seconds; its output is shown only when it fails
  local start end
  start=$(date +%s.%N)
  "$@" >"$WORK/out.txt" 2>&1 || { cat "$WORK/out.txt"; exit 1; }
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

seconds() {  # action count -> seconds of a plant ACTION of the first COUNT units
  local ports=()
  [ "$1" = upload ] && ports+=(--force)  # the emulated units start with the factory's number
  for n in $(seq "$2"); do ports+=(--port "AN-$n=$WORK/port-$n"); done
  timed "$CLI" plant "$1" "$WORK/bench.q4plant" "${ports[@]}"
}

printf '%-8s %9s %9s %7s\n' action one "$UNITS" ratio
for action in upload verify; do
  one=$(seconds "$action" 1)
  all=$(seconds "$action" "$UNITS")
  awk -v a="$action" -v o="$one" -v m="$all" 'BEGIN { printf "%-8s %9.2f %9.2f %7.3f\n", a, o, m, m / o }'
done
# Unit 1 now holds AN-1's set-up: named by its number from the General blocks alone.
identify=$(timed "$CLI" identify --port "$WORK/port-1" --plant "$WORK/bench.q4plant")
awk -v s="$identify" 'BEGIN { printf "identify %9.2f s (General blocks alone)\n", s }'
