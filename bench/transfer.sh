#!/usr/bin/env bash
# Times a whole upload and a whole download through the emulated unit at 2400, 9600 and 19200
# baud and prints each beside its floor: per block read, the unit's fixed wait or the reply's
# line time, whichever is longer; a block written adds the fixed waits before and after its
# read-back. (The emulated unit's terminal takes the program's own frames at once.)
#   bench/transfer.sh [FIXED_WAIT_MS]     (100, the unit's own, unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
WAIT=${1:-100}
source bench/programs.sh
"$CLI" new "$WORK/setup.q4g"

# Blocks: General 8 (read before written), physical 24, logical 7, alarms 48.
floor() {  # direction baud -> seconds
  awk -v dir="$1" -v baud="$2" -v w="$WAIT" 'BEGIN {
    frame = 71 * 10 / baud; wait = w / 1000
    read = (frame > wait ? frame : wait)
    write = wait + read + wait
    if (dir == "download") print 87 * read; else print 8 * read + 87 * write }'
}

printf '%-6s %-9s %9s %9s %7s\n' baud transfer seconds floor ratio
for baud in 2400 9600 19200; do
  rm -f "$WORK/port"
  "$SIM" --baud "$baud" --link "$WORK/port" >"$WORK/sim.log" 2>&1 &
  sim=$!
  for _ in $(seq 50); do [ -e "$WORK/port" ] && break; sleep 0.1; done
  for dir in upload download; do
    file="$WORK/setup.q4g"; [ "$dir" = download ] && file="$WORK/copy.q4g"
    start=$(date +%s.%N)
    "$CLI" "$dir" "$file" --port "$WORK/port" --baud "$baud" --fixed-wait "$WAIT" 2>/dev/null
    end=$(date +%s.%N)
    awk -v b="$baud" -v d="$dir" -v t="$(echo "$end - $start" | bc)" -v f="$(floor "$dir" "$baud")" \
      'BEGIN { printf "%-6s %-9s %9.2f %9.2f %7.3f\n", b, d, t, f, t / f }'
  done
  kill "$sim"; wait "$sim" 2>/dev/null || true
done
