// What the analysis tool cannot show of the computer's choice: the coin toss
// between equal scores, the number of random draws, and that a whole choice
// with the reply search allocates nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "console/virtual_console.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "test_support.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

// The replacements pair malloc with free themselves, which GCC cannot see through.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  if (counting) ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace bdvx {
namespace {

struct Choice {
  MoveRecord move, hint;
  int draws = 0;
};

// The computer's choice for side with the reply search, the random values
// forced in order.
Choice Choose(Board board, int side, const std::vector<double>& forced) {
  VirtualConsole con;
  for (const double value : forced) con.queueRandom(value);
  ParseArray parse;
  CheckTable check{};
  Choice choice;
  counting = true;
  BuildParseBoard(board, parse);
  ChooseComputerMove(con, board, parse, choice.move, choice.hint, side, 1, 1, check,
                     PawnJumpRecord{}, 1, 9999);
  counting = false;
  choice.draws = con.randomDraws();
  return choice;
}

TEST(Choice, TieTossAndDraws) {
  // The twenty opening moves each draw once; (7,5)-(6,5) ties (7,4)-(6,4) at
  // 11 and replaces it only with a draw below 500.
  for (const double draw : {0.499, 0.5}) {
    std::vector<double> forced(9, 0.9);
    forced.push_back(draw);
    forced.resize(20, 0.0);
    const Choice c = Choose(test::StartBoard(), kWhite, forced);
    EXPECT_EQ(c.move, draw < 0.5 ? (MoveRecord{1, 7, 5, 6, 5}) : (MoveRecord{1, 7, 4, 6, 4}));
    EXPECT_EQ(c.draws, 20);
  }
  // A mate is played without a draw of its own: one for the pawn step before it.
  const Board mate = test::MakeBoard({"::::::::::::BK::", "::::::::::BPBPBP", "::::::::::::::::",
                                      "::WP::::::::::::", "WR::::::::::::::", "::::::::::::::::",
                                      "::::::::::::::::", "::::::::WK::::::"});
  const Choice m = Choose(mate, kWhite, {});
  EXPECT_EQ(std::tuple(m.move, m.draws), std::tuple(MoveRecord{5, 5, 1, 1, 1}, 1));
}

TEST(Choice, AllocatesNothing) {
  Board board = test::StartBoard();
  board(7, 5) = 0;
  board(5, 5) = kPawn;
  allocations = 0;
  const Choice c = Choose(board, kBlack, {});
  EXPECT_EQ(allocations.load(), 0);
  EXPECT_NE(c.move.piece, 0);  // the call did its work
}

}  // namespace
}  // namespace bdvx
