#!/usr/bin/env bash
# Perft: the leaves of the legal-move tree of six published positions,
# counted by brandovex-analyze (mode perft) in the benchmarks' Release build,
# each compared with its published count, with the processor time the tool
# took (user and system, so that other work on a shared machine counts
# little) and the leaves per second of it. A count that differs fails the
# command. "quick" counts each position one half-move less deep (about a
# second in all).
#   ./scripts/perft.sh [quick]
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRANDOVEX_TESTS=OFF >/dev/null
cmake --build build/bench --target brandovex-analyze >/dev/null
tool=build/bench/brandovex-analyze

# name | FEN | depth | leaves | quick depth | quick leaves
table=(
  "start|rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1|6|119060324|5|4865609"
  "kiwipete|r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1|5|193690690|4|4085603"
  "position 3|8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1|7|178633661|6|11030083"
  "position 4|r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1|5|15833292|4|422333"
  "position 5|rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8|5|89941194|4|2103487"
  "position 6|r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10|5|164075551|4|3894594"
)

out=$(mktemp)
trap 'rm -f "$out"' EXIT
printf '%-11s %5s %13s %9s %14s\n' position depth leaves seconds leaves/second
status=0 all_leaves=0 all_seconds=0
for row in "${table[@]}"; do
  IFS='|' read -r name fen depth want quick_depth quick_want <<<"$row"
  if [ "${1:-}" = quick ]; then depth=$quick_depth want=$quick_want; fi
  cpu=$( { TIMEFORMAT='%3U %3S'; time printf 'fen %s\nmode perft %s\n' "$fen" "$depth" \
           | "$tool" >"$out"; } 2>&1 )
  got=$(awk '{print $3}' "$out")
  seconds=$(awk -v c="$cpu" 'BEGIN { split(c, t, " "); print t[1] + t[2] }')
  mark=""
  if [ "$got" != "$want" ]; then mark="  WRONG: published $want"; status=1; fi
  awk -v n="$name" -v d="$depth" -v l="$got" -v t="$seconds" -v m="$mark" \
    'BEGIN { printf "%-11s %5d %13d %9.2f %14.0f%s\n", n, d, l, t, l / (t > 0 ? t : 0.001), m }'
  all_leaves=$((all_leaves + got))
  all_seconds=$(awk -v a="$all_seconds" -v t="$seconds" 'BEGIN { print a + t }')
done
awk -v l="$all_leaves" -v t="$all_seconds" \
  'BEGIN { printf "%-11s %5s %13d %9.2f %14.0f\n", "all", "", l, t, l / (t > 0 ? t : 0.001) }'
exit $status
