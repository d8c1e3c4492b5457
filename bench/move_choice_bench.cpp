// One computer move (the parse array and the move choice, as the turn loop
// runs them) on the starting position and over the fixed position set, with
// and without the reply search.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdint>
#include <vector>

#include "bench_positions.h"
#include "console/virtual_console.h"
#include "fingerprint.h"

namespace bdvx::bench {
namespace {

constexpr int kReplySearch = 9999;   // HintLimit of level 9: the second ply always runs
constexpr int kNoReplySearch = 0;    // MoveNumber 1 is past it: ScoreMove alone

void BM_MoveChoiceStart(benchmark::State& state, int hintLimit) {
  const BenchPosition& start = BenchPositions().front();
  VirtualConsole con;
  Board board = start.board;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlayBenchMove(con, start, board, hintLimit));
  }
  state.counters["moves_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// CPU time of this thread in nanoseconds: on a shared machine it measures the
// engine's own work, as the benchmark's CPU column does.
double ThreadCpuNs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Every iteration plays one move in each position of the set; the counters
// give the median and the slowest of the per-position mean CPU times, and a
// fingerprint of the moves chosen in the first pass.
void BM_MoveChoiceSet(benchmark::State& state, int hintLimit) {
  const std::vector<BenchPosition>& positions = BenchPositions();
  std::vector<double> totalNs(positions.size(), 0.0);
  VirtualConsole con;
  Fingerprint fingerprint;
  bool first = true;
  for (auto _ : state) {
    for (std::size_t i = 0; i < positions.size(); ++i) {
      Board board = positions[i].board;
      const double begin = ThreadCpuNs();
      const MoveRecord move = PlayBenchMove(con, positions[i], board, hintLimit);
      totalNs[i] += ThreadCpuNs() - begin;
      if (first) fingerprint.add(move);
      benchmark::DoNotOptimize(move);
    }
    first = false;
  }
  std::vector<double> meanUs;
  for (const double ns : totalNs) meanUs.push_back(ns / 1000.0 / static_cast<double>(state.iterations()));
  std::sort(meanUs.begin(), meanUs.end());
  const std::size_t n = meanUs.size();
  const double median = n % 2 == 1 ? meanUs[n / 2] : (meanUs[n / 2 - 1] + meanUs[n / 2]) / 2.0;
  state.counters["median_us_per_move"] = median;
  state.counters["max_us_per_move"] = meanUs.back();
  state.counters["positions"] = static_cast<double>(n);
  state.counters["fingerprint"] = fingerprint.value();
  state.SetLabel("fingerprint " + fingerprint.hex());
}

BENCHMARK_CAPTURE(BM_MoveChoiceStart, reply_search, kReplySearch)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MoveChoiceStart, no_reply_search, kNoReplySearch)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MoveChoiceSet, reply_search, kReplySearch)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MoveChoiceSet, no_reply_search, kNoReplySearch)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bdvx::bench

BENCHMARK_MAIN();
