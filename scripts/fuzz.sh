#!/usr/bin/env bash
# Builds the libFuzzer targets in the sanitized clang build that the tests use
# (build/asan) and runs each over a copy of its seed corpus, two at a time.
# Fails on any crash, leak, undefined behaviour, broken invariant or hanging
# input, and names the input to replay.
#
#   ./scripts/fuzz.sh short            25 seconds per target (part of scripts/test.sh)
#   ./scripts/fuzz.sh long [seconds]   30 minutes per target, or the seconds given
#   ./scripts/fuzz.sh configure        only configure build/asan (scripts/test.sh)
#
# Runs land in build/asan/fuzz/runs/<mode>/<target>/ (corpus, artifacts, log);
# a finding is replayed with: build/asan/fuzz/<target> <artifact file>
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

mode="${1:-short}"
case "$mode" in
  short) seconds=25 ;;
  long) seconds="${2:-1800}" ;;
  configure) ;;
  *) echo "usage: $0 short | long [seconds] | configure" >&2; exit 2 ;;
esac

targets=(fuzz_snapshot fuzz_position fuzz_custom_board fuzz_turn_loop fuzz_analyze fuzz_pgn fuzz_uci)
declare -A max_len=([fuzz_snapshot]=2048 [fuzz_position]=256 [fuzz_custom_board]=1024
                    [fuzz_turn_loop]=512 [fuzz_analyze]=1024 [fuzz_pgn]=4096 [fuzz_uci]=1024)

# Optimised, with debug information and the game's internal assertions on;
# the benchmarks have a Release build of their own.
cmake -S . -B build/asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g" -DBRANDOVEX_FUZZ=ON -DBRANDOVEX_BENCH=OFF > /dev/null
if [ "$mode" = configure ]; then exit 0; fi
if ! cmake --build build/asan --target fuzz_all > build/asan/fuzz-build.log 2>&1; then
  cat build/asan/fuzz-build.log >&2
  exit 1
fi

runs="$root/build/asan/fuzz/runs/$mode"

# One target: a fresh copy of the seeds (a long run keeps what it grew), then
# libFuzzer for the given time. Any input slower than 60 s counts as a hang.
run_target() {
  local target="$1" dir="$runs/$1"
  mkdir -p "$dir/corpus" "$dir/artifacts"
  if [ "$mode" = short ]; then rm -rf "$dir/corpus"/* "$dir/artifacts"/*; fi
  cp "$root/fuzz/corpus/$target"/* "$dir/corpus/"
  "$root/build/asan/fuzz/$target" "$dir/corpus" -max_total_time="$seconds" \
    -max_len="${max_len[$target]}" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/" > "$dir/log" 2>&1
}

failed=0
summary=()
check_target() {
  local target="$1" status="$2" dir="$runs/$1"
  local runs_done
  runs_done=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$dir/log" | tail -n 1)
  local findings
  findings=$(find "$dir/artifacts" -type f | wc -l)
  summary+=("$(printf '%-18s %10s executions  %s findings' "$target" "${runs_done:-?}" "$findings")")
  if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
    failed=1
    echo "== $target FAILED (exit $status); log: $dir/log" >&2
    grep -E 'ERROR:|invariant broken|runtime error|SUMMARY' "$dir/log" | head -n 20 >&2 || true
    find "$dir/artifacts" -type f -exec echo "   replay: build/asan/fuzz/$target {}" \; >&2
  fi
}

# Two at a time: the machine has two cores.
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  batch=("${targets[@]:i:2}")
  pids=()
  for target in "${batch[@]}"; do
    run_target "$target" &
    pids+=($!)
  done
  for j in "${!batch[@]}"; do
    status=0
    wait "${pids[j]}" || status=$?
    check_target "${batch[j]}" "$status"
  done
done

echo "Fuzzing ($mode, ${seconds} s per target):"
printf '  %s\n' "${summary[@]}"
exit "$failed"
