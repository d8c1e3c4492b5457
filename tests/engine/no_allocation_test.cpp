// The engine's calls allocate nothing: a counting global operator new watches
// one whole move choice with the reply search, and a parse array.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "console/virtual_console.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "test_support.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

// The replacements pair malloc with free themselves, which the compiler
// cannot see through.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

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

TEST(NoAllocation, MoveChoiceWithReplySearchAndParseArray) {
  VirtualConsole con;
  Board board = test::StartBoard();
  board(7, 5) = 0;
  board(5, 5) = kPawn;
  ParseArray parse;
  MoveRecord move, hint;
  CheckTable check{};

  allocations = 0;
  counting = true;
  BuildParseBoard(board, parse);
  ChooseComputerMove(con, board, parse, move, hint, kBlack, 1, 1, check, PawnJumpRecord{}, 1,
                     9999);
  counting = false;
  EXPECT_EQ(allocations.load(), 0);
  EXPECT_NE(move.piece, 0);  // the call did its work
}

}  // namespace
}  // namespace bdvx
