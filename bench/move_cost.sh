#!/bin/sh
# The cost of one level-9 computer move in each position of
# bench/positions.txt: instructions counted by valgrind's callgrind (exact and
# repeatable on a loaded machine) beside the CPU time of a native run, then
# the medians over the positions.
#
# Usage: bench/move_cost.sh [BUILD_DIR]   (a Release build with the benchmarks;
# default build/bench)
set -eu
build=${1:-build/bench}
driver=$build/bench/brandovex-move-cost
[ -x "$driver" ] || { echo "no $driver: build the benchmarks first" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is missing" >&2; exit 2; }
count=$(grep -c '^=' "$(dirname "$0")/positions.txt")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

printf '%-16s %12s %10s  %s\n' position instructions us move
i=0
while [ "$i" -lt "$count" ]; do
  native=$("$driver" "$i" 300)
  valgrind --tool=callgrind --toggle-collect='*PlayBenchMove*' \
    --callgrind-out-file="$out/cg.$i" "$driver" "$i" 1 >/dev/null 2>&1
  instructions=$(sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$out/cg.$i")
  echo "$native" | awk -v n="$instructions" \
    '{ printf "%-16s %12d %10.1f  %s %s %s %s %s\n", $1, n, $2, $3, $4, $5, $6, $7 }'
  echo "$instructions $(echo "$native" | cut -d' ' -f2)" >>"$out/all"
  i=$((i + 1))
done
# Medians: the mean of the two middle values for an even count.
median() { sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2);
  print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }
printf '%-16s %12.0f %10.1f\n' median "$(cut -d' ' -f1 "$out/all" | median)" \
  "$(cut -d' ' -f2 "$out/all" | median)"
