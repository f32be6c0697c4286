#!/usr/bin/env bash
# Times a whole upload (every block written) and a whole download through the emulated unit at
# 2400, 9600 and 19200 baud and prints each beside its floor: per block read, the unit's fixed
# wait or the reply's line time, whichever is longer; a block written adds the fixed waits
# before and after its read-back. (The emulated unit's terminal takes the program's own frames
# at once.) Then the uploads that write only what differs, beside the whole write.
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
    all=(); [ "$dir" = upload ] && all=(--all-blocks)
    "$CLI" "$dir" "$file" --port "$WORK/port" --baud "$baud" --fixed-wait "$WAIT" "${all[@]}" 2>/dev/null
    end=$(date +%s.%N)
    awk -v b="$baud" -v d="$dir" -v t="$(echo "$end - $start" | bc)" -v f="$(floor "$dir" "$baud")" \
      'BEGIN { printf "%-6s %-9s %9.2f %9.2f %7.3f\n", b, d, t, f, t / f }'
  done
  kill "$sim"; wait "$sim" 2>/dev/null || true
done

# Writing only what differs, at 9600 baud with the unit's own waits: the unit holds a set-up,
# and the upload changes one cell (an alarm's set point), one sheet (every alarm's set point)
# or everything (the unit's memory blank), with a backup and without; beside them, the whole
# write as before (--all-blocks, no backup).
baud=9600
"$CLI" new "$WORK/base.q4g"
script=""
for a in $(seq 1 48); do script+="alarm $a 1 IN 11"$'\n'"alarm $a 4 5"$'\n'; done
printf 'physical 1 1 10 V\nphysical 1 5 10\nphysical 1 6 100\n%s' "$script" | "$CLI" edit "$WORK/base.q4g" >/dev/null
"$CLI" blocks "$WORK/base.q4g" >"$WORK/base.mem"
cp "$WORK/base.q4g" "$WORK/cell.q4g"
echo "alarm 1 4 7" | "$CLI" edit "$WORK/cell.q4g" >/dev/null
cp "$WORK/base.q4g" "$WORK/sheet.q4g"
script=""
for a in $(seq 1 48); do script+="alarm $a 4 7"$'\n'; done
printf '%s' "$script" | "$CLI" edit "$WORK/sheet.q4g" >/dev/null

upload() {  # name memory file options... -> a line of the table
  local name=$1 memory=$2 file=$3; shift 3
  rm -f "$WORK/port" "$WORK/backup.q4g"
  if [ "$memory" = blank ]; then
    "$SIM" --blank --baud "$baud" --link "$WORK/port" >"$WORK/sim.log" 2>&1 &
  else
    "$SIM" --load "$memory" --baud "$baud" --link "$WORK/port" >"$WORK/sim.log" 2>&1 &
  fi
  local sim=$!
  for _ in $(seq 50); do [ -e "$WORK/port" ] && break; sleep 0.1; done
  local start end said
  start=$(date +%s.%N)
  said=$("$CLI" upload "$file" --port "$WORK/port" --baud "$baud" --fixed-wait "$WAIT" --force "$@" 2>&1 | tail -n 1)
  end=$(date +%s.%N)
  kill "$sim"; wait "$sim" 2>/dev/null || true
  local blocks
  blocks=$(sed -n 's/.*complete: \([0-9]*\) blocks\{0,1\} written, \([0-9]*\) held.*/\1 written, \2 held/p' <<<"$said")
  awk -v n="$name" -v t="$(echo "$end - $start" | bc)" -v b="$blocks" 'BEGIN { printf "%-34s %9.2f   %s\n", n, t, b }'
}

echo
printf '%-34s %9s   %s\n' "upload at $baud baud" seconds blocks
for backup in no yes; do
  opts=(); [ "$backup" = yes ] && opts=(--backup "$WORK/backup.q4g")
  upload "one cell, backup $backup" "$WORK/base.mem" "$WORK/cell.q4g" "${opts[@]}"
  upload "one sheet, backup $backup" "$WORK/base.mem" "$WORK/sheet.q4g" "${opts[@]}"
  upload "everything, backup $backup" blank "$WORK/base.q4g" "${opts[@]}"
done
upload "the whole write (--all-blocks)" "$WORK/base.mem" "$WORK/cell.q4g" --all-blocks
