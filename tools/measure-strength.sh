#!/usr/bin/env bash
# Measures the strength of the computer player's levels: brandovex-uci plays
# matches against reference engines packaged in Debian, refereed by xboard's
# match mode (polyglot adapts the UCI engines to it, xvfb-run gives it a
# display it never shows). xboard judges every move and every result; this
# script only starts the matches and counts the results it wrote.
#
#   tools/measure-strength.sh [engine] [output folder]
#
# engine: the brandovex-uci to measure (default build/release/brandovex-uci,
# else build/rel/brandovex-uci); output folder (default measure/): one PGN
# file per pairing, the table in table.txt. Settings from the environment:
#   GAMES=100              games per pairing, colours alternating
#   LEVELS="0 3 6 9"       the levels measured
#   OPPONENTS="fairymax:1 fairymax:2 fairy-stockfish:1 stockfish:1"  engine:depth
#   TIME_CONTROL=0:30      minutes:seconds per game for each side (xboard -tc)
#
# The opponents play at reduced settings, their search depth limited (xboard
# -depth, in plies), fairy-stockfish at Skill Level -5 and stockfish at Skill
# Level 0, its weakest (which still wins nearly every game: it is kept as the
# upper bound). brandovex-uci chooses at once, whatever the clock or depth.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(xboard polyglot fairymax stockfish fairy-stockfish xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages; install them with:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

engine="${1:-}"
if [ -z "$engine" ]; then
  for candidate in build/release/brandovex-uci build/rel/brandovex-uci; do
    if [ -x "$candidate" ]; then engine="$candidate"; break; fi
  done
fi
if [ -z "$engine" ] || [ ! -x "$engine" ]; then
  echo "No brandovex-uci built; build it first (./scripts/play.sh) or name it." >&2
  exit 1
fi
engine="$(realpath "$engine")"
out="$(realpath -m "${2:-measure}")"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

games="${GAMES:-100}"
levels="${LEVELS:-0 3 6 9}"
opponents="${OPPONENTS:-fairymax:1 fairymax:2 fairy-stockfish:1 stockfish:1}"
time_control="${TIME_CONTROL:-0:30}"

# The opponent as xboard starts it.
opponent_command() {
  case "$1" in
    fairymax) echo "/usr/games/fairymax" ;;
    stockfish)
      cat > "$work/stockfish.ini" <<INI
[PolyGlot]
EngineCommand = /usr/games/stockfish
EngineDir = $work
[Engine]
Threads = 1
Hash = 16
Skill Level = 0
INI
      echo "/usr/games/polyglot $work/stockfish.ini" ;;
    fairy-stockfish)
      cat > "$work/fairy-stockfish.ini" <<INI
[PolyGlot]
EngineCommand = /usr/games/fairy-stockfish
EngineDir = $work
[Engine]
Threads = 1
Hash = 16
Skill Level = -5
INI
      echo "/usr/games/polyglot $work/fairy-stockfish.ini" ;;
    *) echo "unknown opponent $1" >&2; exit 2 ;;
  esac
}

# One match: brandovex-uci at level against opponent at depth, the PGN kept.
play_match() {
  local level="$1" opponent="$2" depth="$3" pgn="$4"
  cat > "$work/brandovex.ini" <<INI
[PolyGlot]
EngineCommand = $engine
EngineDir = $work
[Engine]
Level = $level
INI
  rm -f "$pgn"
  (cd "$work" && xvfb-run -a /usr/games/xboard \
    -fcp "/usr/games/polyglot $work/brandovex.ini" -fd "$work" \
    -scp "$(opponent_command "$opponent")" -sd "$work" \
    -matchGames "$games" -tc "$time_control" -inc 0 -depth "$depth" \
    -sgf "$pgn" -matchPause 100 -ruleMoves 50 -repeatsToDraw 3 -materialDraws true \
    -adjudicateDrawMoves 200 -noGUI -xexit -saveSettingsOnExit false \
    > "$work/xboard.log" 2>&1) || true
}

# The score of brandovex in a PGN file: wins, draws, losses, as xboard
# recorded the results.
count_results() {
  awk '
    /^\[White "/ { white = ($0 ~ /BRANDOVEX/) }
    /^\[Result "/ {
      r = $2; gsub(/[]"]/, "", r)
      if (r == "1/2-1/2") d++
      else if ((r == "1-0") == white && (r == "1-0" || r == "0-1")) w++
      else if (r == "1-0" || r == "0-1") l++
    }
    END { printf "%d %d %d\n", w, d, l }' "$1"
}

# Score and rating difference with its 95% margin, from wins, draws, losses.
rating_line() {
  awk -v w="$1" -v d="$2" -v l="$3" '
    function elo(p) { if (p <= 0) return -9999; if (p >= 1) return 9999
                      return -400 * log(1 / p - 1) / log(10) }
    BEGIN {
      n = w + d + l; if (n == 0) { print "no games"; exit }
      p = (w + d / 2) / n
      var = (w * (1 - p) ^ 2 + d * (0.5 - p) ^ 2 + l * p ^ 2) / n
      se = sqrt(var / n)
      lo = p - 1.96 * se; hi = p + 1.96 * se
      if (p <= 0 || p >= 1) { printf "%5.1f%%  %+5s     (out of range)\n", 100 * p, ""; exit }
      margin = (elo(hi > 0.999 ? 0.999 : hi) - elo(lo < 0.001 ? 0.001 : lo)) / 2
      printf "%5.1f%%  %+5d +/- %d\n", 100 * p, elo(p), margin
    }'
}

table="$out/table.txt"
printf '%-6s %-18s %5s %14s  %-6s  %s\n' level opponent games "+win =draw -loss" score \
  "rating difference (95%)" | tee "$table"
for entry in $opponents; do
  opponent="${entry%%:*}"
  depth="${entry##*:}"
  for level in $levels; do
    pgn="$out/level$level-$opponent-depth$depth.pgn"
    play_match "$level" "$opponent" "$depth" "$pgn"
    read -r w d l < <(count_results "$pgn")
    printf '%-6s %-18s %5d %5d %4d %4d  %s\n' "$level" "$entry" $((w + d + l)) "$w" "$d" "$l" \
      "$(rating_line "$w" "$d" "$l")" | tee -a "$table"
  done
done
