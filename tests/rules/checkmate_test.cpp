#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "placed_board.h"
#include "rules/check.h"

namespace bdvx {
namespace {

using test::Placing;

bool Mate(Board board, int attacker, int attackerRow, int attackerCol, int kingRow, int kingCol) {
  VirtualConsole con;
  const Board before = board;
  const bool mate = TestCheckmate(con, board, PawnJumpRecord{}, attacker, attackerRow,
                                  attackerCol, kingRow, kingCol);
  EXPECT_EQ(board, before);  // every trial square is put back
  return mate;
}

// Black king hemmed in by its own pawns, White rook checking along row 1.
Board BackRowMate() {
  return Placing({{1, 7, -10}, {2, 6, -1}, {2, 7, -1}, {2, 8, -1}, {1, 1, 5}, {8, 5, 10}});
}

TEST(TestCheckmate, BackRowMateAndItsBlock) {
  // (1, 8) passes the attack scan (the king hides the line) but the trial
  // with the king on it finds the rook's check.
  EXPECT_TRUE(Mate(BackRowMate(), 5, 1, 1, 1, 7));

  Board board = BackRowMate();
  board(2, 2) = -5;  // can step between on (1, 2)
  EXPECT_FALSE(Mate(board, 5, 1, 1, 1, 7));
  board = BackRowMate();
  board(3, 1) = -5;  // can take the rook
  EXPECT_FALSE(Mate(board, 5, 1, 1, 1, 7));
  board = BackRowMate();
  board(2, 8) = 0;  // a way out
  EXPECT_FALSE(Mate(board, 5, 1, 1, 1, 7));
  board = BackRowMate();
  board(2, 7) = 0;
  board(3, 7) = 5;  // (2, 7) is open but covered by the second rook
  EXPECT_TRUE(Mate(board, 5, 1, 1, 1, 7));
}

TEST(TestCheckmate, KingTakesTheChecker) {
  Board board = BackRowMate();
  board(1, 1) = 0;
  board(1, 6) = 5;  // next to the king, unprotected
  EXPECT_FALSE(Mate(board, 5, 1, 6, 1, 7));
  board(1, 1) = 5;  // now protected along row 1
  EXPECT_TRUE(Mate(board, 5, 1, 6, 1, 7));
}

TEST(TestCheckmate, KnightCheckIsAnsweredOnlyByKingOrCapture) {
  // Smothered: the king's neighbours are its own pieces.
  const Board smothered = Placing({{1, 8, -10}, {1, 7, -5}, {2, 7, -1}, {2, 8, -1},
                                   {2, 6, 3}, {8, 1, 10}});
  EXPECT_TRUE(Mate(smothered, 3, 2, 6, 1, 8));
  Board board = smothered;
  board(1, 5) = -4;  // a bishop can take the knight
  EXPECT_FALSE(Mate(board, 3, 2, 6, 1, 8));
  board = smothered;
  board(1, 7) = 0;  // the king can step aside
  EXPECT_FALSE(Mate(board, 3, 2, 6, 1, 8));
}

TEST(TestCheckmate, APinnedDefenderIsDropped) {
  // The Black knight could step between on (1, 6), but a White rook on
  // column 8 pins it to its king.
  const Board pinned = Placing({{1, 8, -10}, {2, 7, -1}, {2, 8, -3}, {1, 1, 5}, {5, 8, 5},
                                {8, 1, 10}});
  EXPECT_TRUE(Mate(pinned, 5, 1, 1, 1, 8));
  Board board = pinned;
  board(5, 8) = 0;
  EXPECT_FALSE(Mate(board, 5, 1, 1, 1, 8));
}

TEST(TestCheckmate, ATakingPawnThatPromotesIsNotCounted) {
  // Only an ordinary move (1) counts as taking the checker; the pawn's
  // capture onto its far row gives 2.
  const Board board = Placing({{8, 8, -10}, {8, 7, 5}, {6, 6, 3}, {7, 6, -1}, {1, 1, 10}});
  EXPECT_TRUE(Mate(board, 5, 8, 7, 8, 8));
}

}  // namespace
}  // namespace bdvx
