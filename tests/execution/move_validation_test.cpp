// The player's move refused in the validation's fixed order, each reason on
// row 23 character for character, and the accepted move handed on.
#include <gtest/gtest.h>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

// Row 23 is filled with 'x' first, so a message's trailing blanks show as
// the blanks that overwrote the x's.
class Refusal : public ::testing::Test {
 protected:
  Refusal() : game(StartBoard()) {}

  // Enters the move and expects the refusal text on row 23 and nothing else
  // changed.
  void ExpectRefused(const std::string& code2, int fr, int fc, int tr, int tc,
                     const std::string& message) {
    game.con.locate(23, 1);
    game.con.print(std::string(80, 'x'));
    const Board before = game.g.GameBoard;
    EXPECT_EQ(game.Enter(code2, fr, fc, tr, tc), Step::PlayerPrompt);
    EXPECT_EQ(game.con.rowText(23), message + std::string(80 - message.size(), 'x'));
    EXPECT_EQ(game.g.GameBoard, before);
    EXPECT_EQ(game.g.MsgRow, 1);
    EXPECT_EQ(game.g.HistoryCount, 0);
  }

  MoveGame game;
};

TEST_F(Refusal, SideThatMovedLastIsToldWhoseMoveItIs) {
  game.g.LastMoverSide = kKing;  // White moved last
  ExpectRefused("WP", 7, 5, 5, 5, "  It is BLACK'S move.             ");
}

TEST_F(Refusal, BlackPieceAfterABlackMoveNamesWhite) {
  MoveGame black(StartBoard(), kWhite);
  black.g.LastMoverSide = -kPawn;
  EXPECT_EQ(black.Enter("BP", 2, 5, 4, 5), Step::PlayerPrompt);
  EXPECT_EQ(black.Trimmed(23), "  It is WHITE'S move.");
}

TEST_F(Refusal, SquareOffTheBoardRepeatsTheEnteredPiece) {
  ExpectRefused("WP", 7, 5, 9, 5, "  Invalid input or Off Board. Style: WP 75 55");
  ExpectRefused("WN", 0, 2, 6, 3, "  Invalid input or Off Board. Style: WN 75 55");
}

TEST_F(Refusal, IdenticalSquares) {
  ExpectRefused("WP", 7, 5, 7, 5, "  TO and FROM squares identical - try again  ");
}

TEST_F(Refusal, PieceNotOnItsSquare) {
  ExpectRefused("WN", 7, 5, 5, 5, "  WHITE KNIGHT NOT at ( 7 5) ... Check board.         ");
}

TEST_F(Refusal, OwnPieceAtDestination) {
  ExpectRefused("WR", 8, 1, 7, 1, "  ILLEGAL: Own piece at destination.       ");
}

TEST_F(Refusal, CodeThatNamesNoPiece) {
  // Only a doctored board can hold such a code; the filler text gives -2.
  MoveGame black(StartBoard(), kWhite);
  black.g.LastMoverSide = kPawn;
  black.g.GameBoard(3, 1) = -2;
  EXPECT_EQ(black.Enter("::", 3, 1, 4, 1), Step::PlayerPrompt);
  EXPECT_EQ(black.Trimmed(23), "  INVALID PIECE:::");
}

TEST_F(Refusal, MoveOutsideThePieceRule) {
  ExpectRefused("WP", 7, 5, 4, 5,
                "  ILLEGAL: A WP cannot move ( 7, 5) To ( 4, 5)        ");
  ExpectRefused("WN", 8, 2, 6, 4,
                "  ILLEGAL: A WN can NEVER move ( 8, 2) To ( 6, 4)        ");
}

TEST_F(Refusal, PawnStraightOntoAPieceIsBlocked) {
  game.g.GameBoard(6, 5) = -kKnight;
  ExpectRefused("WP", 7, 5, 6, 5, "  ILLEGAL: WP path blocked or Illegal CASTLE try.     ");
}

TEST_F(Refusal, CastleWithoutTheRightOrInCheck) {
  const std::string message = "  ILLEGAL Castle Try - In check or already moved King/Rook";
  game.g.GameBoard(8, 6) = kEmpty;
  game.g.GameBoard(8, 7) = kEmpty;
  game.g.WhiteKingSideOK = 0;
  ExpectRefused("WK", 8, 5, 8, 7, message);
  game.g.WhiteKingSideOK = 1;
  game.g.CheckState(kDiscoveredCheckRow, kCheckPiece) = -kRook;
  ExpectRefused("WK", 8, 5, 8, 7, message);
}

TEST_F(Refusal, CastleWithTheRightButABlockedPath) {
  game.g.GameBoard(8, 7) = kEmpty;  // the bishop still stands on (8, 6)
  ExpectRefused("WK", 8, 5, 8, 7, "  ILLEGAL: WK path blocked or Illegal CASTLE try.     ");
}

TEST(Validation, AcceptedMoveClearsTheMessageColumn) {
  MoveGame game(StartBoard());
  game.g.MsgRow = 6;
  for (int row = 2; row <= 7; ++row) {
    game.con.locate(row, 1);
    game.con.print(std::string(60, 'x'));
  }
  EXPECT_EQ(game.Enter("P ", 7, 5, 5, 5), Step::MoveExecution);
  EXPECT_EQ(game.g.MovePiece, kPawn);
  EXPECT_EQ(game.g.FromRow, 7);
  EXPECT_EQ(game.g.FromCol, 5);
  EXPECT_EQ(game.g.ToRow, 5);
  EXPECT_EQ(game.g.ToCol, 5);
  EXPECT_EQ(game.g.MsgRow, 1);
  for (int row = 2; row <= 7; ++row) {
    EXPECT_EQ(game.con.rowText(row), std::string(49, ' ') + std::string(11, 'x') + std::string(20, ' '))
        << "row " << row;
  }
  EXPECT_EQ(game.g.GameBoard, StartBoard());  // the validation only looks
}

TEST(Validation, CastlingPathTestLeavesTheRookInItsCorner) {
  Board board = KingsOnly();
  board(8, 8) = kRook;
  MoveGame game(board);
  EXPECT_EQ(game.Enter("WK", 8, 5, 8, 7), Step::MoveExecution);
  EXPECT_EQ(game.g.GameBoard(8, 8), kRook);
  EXPECT_EQ(game.g.GameBoard(8, 6), kEmpty);
}

}  // namespace
}  // namespace bdvx::test
