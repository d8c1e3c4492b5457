#include <gtest/gtest.h>

#include "placed_board.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

using test::Placing;

// The rule's answer for a step, with the capture flag going in and out.
int Rule(int piece, int fromRow, int fromCol, int toRow, int toCol, int flag = 0,
         int castleAllowed = 0, int* flagOut = nullptr) {
  int result = -7;
  TestPieceMove(piece, fromRow, fromCol, toRow, toCol, result, flag, castleAllowed);
  if (flagOut != nullptr) *flagOut = flag;
  return result;
}

TEST(TestPieceMove, EmptyCodeWritesNothing) {
  int result = 42;
  int flag = 1;
  TestPieceMove(0, 7, 5, 5, 5, result, flag, 1);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(flag, 1);
}

TEST(TestPieceMove, CodesThatNameNoPieceNeverMove) {
  for (int code : {2, 6, 7, 8, 11, -2, -6, -8, -11, 99}) {
    EXPECT_EQ(Rule(code, 4, 4, 5, 5), kRuleNeverMoves) << code;
    EXPECT_EQ(Rule(code, 4, 4, 4, 5), kRuleNeverMoves) << code;
  }
}

TEST(TestPieceMove, PawnSteps) {
  int flag = 0;
  EXPECT_EQ(Rule(1, 7, 5, 5, 5, 0, 0, &flag), kRuleOrdinary);
  EXPECT_EQ(flag, kCapturePawnJump);
  EXPECT_EQ(Rule(1, 6, 5, 4, 5, 0, 0, &flag), kRuleNotAMove);
  EXPECT_EQ(flag, kCaptureNone);
  EXPECT_EQ(Rule(-1, 2, 3, 4, 3, 0, 0, &flag), kRuleOrdinary);
  EXPECT_EQ(flag, kCapturePawnJump);
  EXPECT_EQ(Rule(-1, 3, 3, 5, 3), kRuleNotAMove);
  EXPECT_EQ(Rule(1, 7, 5, 6, 5), kRuleOrdinary);
  EXPECT_EQ(Rule(-1, 4, 5, 5, 5), kRuleOrdinary);
  // Backward and sideways steps.
  EXPECT_EQ(Rule(1, 6, 5, 7, 5), kRuleNotAMove);
  EXPECT_EQ(Rule(-1, 5, 5, 4, 5), kRuleNotAMove);
  EXPECT_EQ(Rule(1, 6, 5, 6, 6, 1), kRuleNotAMove);
  // Diagonal only with the capture flag, and never two squares.
  EXPECT_EQ(Rule(1, 6, 5, 5, 6, 0), kRuleNotAMove);
  EXPECT_EQ(Rule(1, 6, 5, 5, 6, 1), kRuleOrdinary);
  EXPECT_EQ(Rule(-1, 2, 5, 4, 7, 1), kRuleNotAMove);
  // The far row, straight or diagonal.
  EXPECT_EQ(Rule(1, 2, 4, 1, 4), kRulePromotion);
  EXPECT_EQ(Rule(1, 2, 4, 1, 3, 1), kRulePromotion);
  EXPECT_EQ(Rule(-1, 7, 4, 8, 4), kRulePromotion);
}

TEST(TestPieceMove, OfficersGeometry) {
  EXPECT_EQ(Rule(3, 5, 5, 3, 4), kRuleOrdinary);
  EXPECT_EQ(Rule(-3, 5, 5, 6, 7), kRuleOrdinary);
  EXPECT_EQ(Rule(3, 5, 5, 3, 3), kRuleNotAMove);
  EXPECT_EQ(Rule(4, 8, 1, 1, 8), kRuleOrdinary);
  EXPECT_EQ(Rule(4, 5, 5, 5, 5), kRuleNotAMove);
  EXPECT_EQ(Rule(4, 5, 5, 4, 5), kRuleNotAMove);
  EXPECT_EQ(Rule(5, 5, 5, 5, 1), kRuleOrdinary);
  EXPECT_EQ(Rule(5, 5, 5, 4, 4), kRuleNotAMove);
  EXPECT_EQ(Rule(-9, 5, 5, 2, 2), kRuleOrdinary);  // bishop rule after the rook rule
  EXPECT_EQ(Rule(9, 5, 5, 5, 8), kRuleOrdinary);
  EXPECT_EQ(Rule(9, 5, 5, 3, 4), kRuleNotAMove);  // no knight's jump
}

TEST(TestPieceMove, KingStepsAndBackRowJumps) {
  EXPECT_EQ(Rule(10, 5, 5, 4, 4), kRuleOrdinary);
  EXPECT_EQ(Rule(10, 8, 5, 8, 7, 0, 1), kRuleCastle);
  EXPECT_EQ(Rule(10, 8, 5, 8, 7, 0, 0), kRuleCastleRefused);
  EXPECT_EQ(Rule(10, 8, 5, 8, 8, 0, 1), kRuleCastleRefused);
  EXPECT_EQ(Rule(-10, 1, 5, 1, 3, 0, 1), kRuleCastle);
  // No colour test here: a White king on row 1 jumps the same way.
  EXPECT_EQ(Rule(10, 1, 5, 1, 7, 0, 1), kRuleCastle);
  EXPECT_EQ(Rule(10, 7, 5, 7, 7, 0, 1), kRuleNotAMove);
  EXPECT_EQ(Rule(10, 8, 4, 8, 6, 0, 1), kRuleNotAMove);
  EXPECT_EQ(Rule(10, 8, 5, 6, 5, 0, 1), kRuleNotAMove);
}

TEST(TestPawnCapture, EnemyOnTheDiagonalOrThePassedSquare) {
  const PawnJumpRecord none{};
  Board board = Placing({{5, 3, -1}, {6, 2, 3}, {6, 4, -4}, {4, 4, 1}});
  EXPECT_EQ(TestPawnCapture(board, none, 5, 3, 6, 2).captureFlag, kCaptureDiagonal);
  EXPECT_EQ(TestPawnCapture(board, none, 5, 3, 6, 4).captureFlag, kCaptureNone);  // own piece
  EXPECT_EQ(TestPawnCapture(board, none, 5, 3, 4, 4).captureFlag, kCaptureDiagonal);
  // The capture test looks at the board only; the rule still refuses backward.
  EXPECT_EQ(Rule(-1, 5, 3, 4, 4, 1), kRuleNotAMove);

  // A White pawn has just jumped from (7, 4) to (5, 4), passing (6, 4).
  board = Placing({{5, 3, -1}, {5, 4, 1}});
  const PawnJumpRecord jump{1, 6, 4};
  const PawnCapture ep = TestPawnCapture(board, jump, 5, 3, 6, 4);
  EXPECT_EQ(ep.captureFlag, kCaptureDiagonal);
  EXPECT_EQ(ep.enPassantPiece, 1);
  EXPECT_EQ(Rule(-1, 5, 3, 6, 4, ep.captureFlag), kRuleOrdinary);
  EXPECT_EQ(TestPawnCapture(board, none, 5, 3, 6, 4).captureFlag, kCaptureNone);
  // Only a pawn on the from-square asks.
  board(5, 3) = -3;
  EXPECT_EQ(TestPawnCapture(board, jump, 5, 3, 6, 4).captureFlag, kCaptureNone);
}

TEST(TestPathClear, PawnBlockedStraightOnly) {
  Board board = Placing({{7, 5, 1}, {6, 5, -3}, {6, 6, -3}});
  EXPECT_EQ(Rule(1, 7, 5, 5, 5), kRuleOrdinary);
  EXPECT_EQ(TestPathClear(board, 1, 7, 5, 5, 5, 1, kMoveMode), 0);
  EXPECT_EQ(TestPathClear(board, 1, 7, 5, 6, 5, 1, kMoveMode), 0);
  EXPECT_EQ(TestPathClear(board, 1, 7, 5, 6, 6, 1, kMoveMode), 1);
  board(6, 5) = 0;
  board(5, 5) = -1;
  EXPECT_EQ(TestPathClear(board, 1, 7, 5, 5, 5, 1, kMoveMode), 0);
  board(5, 5) = 0;
  EXPECT_EQ(TestPathClear(board, 1, 7, 5, 5, 5, 1, kMoveMode), 1);
  board = Placing({{2, 3, -1}, {3, 3, 4}});
  EXPECT_EQ(TestPathClear(board, -1, 2, 3, 4, 3, 1, kMoveMode), 0);
}

TEST(TestPathClear, SlidersAndKnights) {
  const Board board = Placing({{5, 5, 5}, {5, 2, -1}, {3, 5, 1}, {3, 3, 1}, {7, 7, -1}});
  // Rook along the row and the column, in both directions.
  EXPECT_EQ(TestPathClearAttack(board, 5, 5, 5, 5, 1, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, 5, 5, 5, 5, 2, 1), 1);  // the blocker itself
  EXPECT_EQ(TestPathClearAttack(board, 5, 5, 5, 5, 8, 1), 1);
  EXPECT_EQ(TestPathClearAttack(board, 5, 5, 5, 1, 5, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, 5, 5, 5, 4, 5, 1), 1);
  EXPECT_EQ(TestPathClearAttack(board, 5, 5, 5, 8, 5, 1), 1);
  // Bishop walks from either end.
  EXPECT_EQ(TestPathClearAttack(board, 4, 5, 5, 1, 1, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, 4, 1, 1, 5, 5, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, 4, 5, 5, 8, 8, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, 4, 8, 8, 5, 5, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, 4, 5, 5, 2, 8, 1), 1);
  EXPECT_EQ(TestPathClearAttack(board, 4, 5, 5, 4, 4, 1), 1);
  // The queen takes the walk of its direction.
  EXPECT_EQ(TestPathClearAttack(board, -9, 5, 5, 1, 5, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, -9, 5, 5, 1, 1, 1), 0);
  EXPECT_EQ(TestPathClearAttack(board, -9, 5, 5, 8, 2, 1), 1);
  // Knights jump; codes that name no piece are never blocked.
  EXPECT_EQ(TestPathClearAttack(board, 3, 5, 5, 3, 4, 1), 1);
  EXPECT_EQ(TestPathClearAttack(board, 7, 5, 5, 5, 1, 1), 1);
}

// White's king-side castling position, with the squares between free.
Board KingSideCastle() { return Placing({{8, 5, 10}, {8, 8, 5}, {8, 1, 5}}); }

TEST(TestPathClear, CastlingNeedsTheRowsRookAndFreeSquares) {
  Board board = KingSideCastle();
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastle, kMoveMode), 1);
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 3, kRuleCastle, kMoveMode), 1);
  EXPECT_EQ(board, KingSideCastle());  // 4: the caller moves the rook itself

  board(8, 8) = 0;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastle, kMoveMode), 0);
  board(8, 8) = -5;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastle, kMoveMode), 0);
  board = KingSideCastle();
  board(8, 6) = 3;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastle, kMoveMode), 0);
  // The king's own destination is not looked at.
  board = KingSideCastle();
  board(8, 7) = 3;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastle, kMoveMode), 1);

  // Queen side: columns 2 and 4 must be free, column 3 is not looked at.
  board = KingSideCastle();
  board(8, 2) = 3;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 3, kRuleCastle, kMoveMode), 0);
  board = KingSideCastle();
  board(8, 4) = 9;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 3, kRuleCastle, kMoveMode), 0);
  board = KingSideCastle();
  board(8, 3) = 4;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 3, kRuleCastle, kMoveMode), 1);

  // Black castles with the rook -5 on row 1.
  board = Placing({{1, 5, -10}, {1, 1, -5}, {1, 8, 5}});
  EXPECT_EQ(TestPathClear(board, -10, 1, 5, 1, 3, kRuleCastle, kMoveMode), 1);
  EXPECT_EQ(TestPathClear(board, -10, 1, 5, 1, 7, kRuleCastle, kMoveMode), 0);
}

TEST(TestPathClear, OnlyAMoveModeJumpOtherThan4MovesTheRook) {
  Board board = KingSideCastle();
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastleRefused, kMoveMode), 1);
  EXPECT_EQ(board(8, 8), 0);
  EXPECT_EQ(board(8, 6), 5);

  board = KingSideCastle();
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 3, kRuleCastleRefused, kMoveMode), 1);
  EXPECT_EQ(board(8, 1), 0);
  EXPECT_EQ(board(8, 4), 5);

  // A blocked try moves nothing; attack mode refuses every jump.
  board = KingSideCastle();
  board(8, 6) = 3;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastleRefused, kMoveMode), 0);
  EXPECT_EQ(board(8, 8), 5);
  board = KingSideCastle();
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 7, kRuleCastleRefused, kAttackMode), 0);
  EXPECT_EQ(TestPathClearAttack(board, 10, 8, 5, 8, 7, kRuleCastle), 0);
  EXPECT_EQ(board, KingSideCastle());

  // An ordinary king step is never blocked, not even in attack mode.
  EXPECT_EQ(TestPathClearAttack(board, 10, 8, 5, 7, 4, kRuleOrdinary), 1);
  // A jump over a piece is blocked before anything else is asked.
  board(8, 2) = 3;
  EXPECT_EQ(TestPathClear(board, 10, 8, 5, 8, 1, kRuleCastleRefused, kMoveMode), 0);
}

}  // namespace
}  // namespace bdvx
