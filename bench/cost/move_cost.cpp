// One level-9 computer move (the parse array and the move choice, as the turn
// loop runs them) in one position of bench/positions.txt, played a given
// number of times. bench/move_cost.sh runs it natively for the time and under
// valgrind's callgrind, collecting only inside PlayBenchMove, for the
// instruction count, which a shared machine cannot disturb.
//
// Usage: brandovex-move-cost INDEX REPEATS   (INDEX counts from 0)
// Prints: the position's name, the mean CPU microseconds per move and the
// move chosen the first time.

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "../bench_positions.h"
#include "console/virtual_console.h"

namespace bdvx::bench {
namespace {

constexpr int kReplySearch = 9999;  // HintLimit of level 9: the reply search always runs

double ThreadCpuUs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

}  // namespace
}  // namespace bdvx::bench

int main(int argc, char** argv) {
  using namespace bdvx::bench;
  const auto& positions = BenchPositions();
  if (argc != 3) {
    std::fprintf(stderr, "usage: brandovex-move-cost INDEX REPEATS (0 to %zu)\n",
                 positions.size() - 1);
    return 2;
  }
  const long index = std::strtol(argv[1], nullptr, 10);
  const long repeats = std::strtol(argv[2], nullptr, 10);
  if (index < 0 || static_cast<std::size_t>(index) >= positions.size() || repeats < 1) {
    std::fprintf(stderr, "brandovex-move-cost: bad index or repeat count\n");
    return 2;
  }
  const BenchPosition& p = positions[static_cast<std::size_t>(index)];
  bdvx::VirtualConsole con;
  bdvx::Board board = p.board;
  bdvx::MoveRecord first;
  const double begin = ThreadCpuUs();
  for (long i = 0; i < repeats; ++i) {
    const bdvx::MoveRecord move = PlayBenchMove(con, p, board, kReplySearch);
    if (i == 0) first = move;
  }
  const double us = (ThreadCpuUs() - begin) / static_cast<double>(repeats);
  std::printf("%s %.1f %d %d %d %d %d\n", p.name.c_str(), us, first.piece, first.fromRow,
              first.fromCol, first.toRow, first.toCol);
  return 0;
}
