// The move line in both output forms, the history rows and the repetition
// draw.
#include <gtest/gtest.h>

#include "move_fixture.h"
#include "rules/history.h"

namespace bdvx::test {
namespace {

TEST(MoveLine, RowColumnForm) {
  MoveGame game(StartBoard());
  EXPECT_EQ(game.Player("WP", 7, 5, 5, 5), Step::TurnTop);
  EXPECT_EQ(game.Trimmed(2), " WHITE PAWN   At ( 7 5) Moved To ( 5 5)");
  EXPECT_EQ(game.g.MsgRow, 2);
  EXPECT_EQ(game.g.GameBoard(5, 5), kPawn);
  EXPECT_EQ(game.g.GameBoard(7, 5), kEmpty);
}

TEST(MoveLine, DescriptiveFormCountsRanksFromTheMoversHomeRow) {
  MoveGame game(StartBoard());
  game.g.DescriptiveOutput = 1;
  game.Player("WP", 7, 5, 5, 5);
  EXPECT_EQ(game.Trimmed(2), " WP- K 4 (From  K 2)");
  // The computer's line follows below the player's: MsgRow is not reset.
  game.Computer(-kKnight, 1, 7, 3, 6);
  EXPECT_EQ(game.Trimmed(3), " BN-KB 3 (From KN 1)");
}

TEST(History, RowsHoldTextsNameAndBothSquareForms) {
  MoveGame game(StartBoard());
  game.Player("WP", 7, 5, 5, 5);
  game.Computer(-kKnight, 1, 7, 3, 6);
  ASSERT_EQ(game.g.HistoryCount, 2);
  EXPECT_EQ(game.g.HistPiece(1, kDescriptive), "WP");
  EXPECT_EQ(game.g.HistPiece(1, kRowCol), "WHITE PAWN  ");
  EXPECT_EQ(game.g.HistFrom(1, kDescriptive), " K2");
  EXPECT_EQ(game.g.HistFrom(1, kRowCol), "75");
  EXPECT_EQ(game.g.HistTo(1, kDescriptive), " K4");
  EXPECT_EQ(game.g.HistTo(1, kRowCol), "55");
  // The Black knight arriving at (3, 6) is at KB3.
  EXPECT_EQ(game.g.HistPiece(2, kDescriptive), "BN");
  EXPECT_EQ(game.g.HistPiece(2, kRowCol), "BLACK KNIGHT");
  EXPECT_EQ(game.g.HistFrom(2, kDescriptive), "KN1");
  EXPECT_EQ(game.g.HistTo(2, kDescriptive), "KB3");
  EXPECT_EQ(game.g.HistTo(2, kRowCol), "36");
  EXPECT_EQ(game.Trimmed(3), " BLACK KNIGHT At ( 1 7) Moved To ( 3 6)");
  EXPECT_EQ(game.g.Code2, "BN");  // the execution writes the mover's text
}

TEST(History, Row300IsOverwrittenOnceFull) {
  MoveGame game(StartBoard());
  game.g.HistoryCount = kHistoryRows;
  game.g.HistPiece(299, kDescriptive) = "XX";
  game.g.HistPiece(300, kDescriptive) = "YY";
  game.Player("WP", 7, 5, 5, 5);
  EXPECT_EQ(game.g.HistoryCount, 300);
  EXPECT_EQ(game.g.HistPiece(300, kDescriptive), "WP");
  EXPECT_EQ(game.g.HistTo(300, kRowCol), "55");
  EXPECT_EQ(game.g.HistPiece(299, kDescriptive), "XX");
}

TEST(RepetitionDraw, SixthHalfMoveEndsTheGameBeforeItIsMade) {
  MoveGame game(StartBoard());
  EXPECT_EQ(game.Player("WN", 8, 2, 6, 3), Step::TurnTop);
  EXPECT_EQ(game.Computer(-kKnight, 1, 2, 3, 3), Step::TurnTop);
  EXPECT_EQ(game.Player("WN", 6, 3, 8, 2), Step::TurnTop);
  EXPECT_EQ(game.Computer(-kKnight, 3, 3, 1, 2), Step::TurnTop);
  EXPECT_EQ(game.Player("WN", 8, 2, 6, 3), Step::TurnTop);
  EXPECT_EQ(game.Computer(-kKnight, 1, 2, 3, 3), Step::EndGame);
  EXPECT_EQ(game.g.EndReason, " **DRAW** ");
  EXPECT_EQ(game.g.HistoryCount, 6);
  // Recorded and announced, but not made.
  EXPECT_EQ(game.g.GameBoard(1, 2), -kKnight);
  EXPECT_EQ(game.g.GameBoard(3, 3), kEmpty);
  EXPECT_EQ(game.Trimmed(3), " BLACK KNIGHT At ( 1 2) Moved To ( 3 3)");
  EXPECT_EQ(game.Trimmed(4), " DRAW: Both sides made repeating moves.");
  EXPECT_EQ(game.g.MsgRow, 3);
}

// Six rows: White's knight between QN1 and QB3, Black's between QN1 and QB3.
GameState RepeatingHistory() {
  GameState g;
  const char* from[] = {"QN1", "QN1", "QB3", "QB3", "QN1", "QN1"};
  const char* to[] = {"QB3", "QB3", "QN1", "QN1", "QB3", "QB3"};
  for (int n = 1; n <= 6; ++n) {
    g.HistPiece(n, kDescriptive) = n % 2 == 1 ? "WN" : "BN";
    g.HistFrom(n, kDescriptive) = from[n - 1];
    g.HistTo(n, kDescriptive) = to[n - 1];
  }
  g.HistoryCount = 6;
  return g;
}

TEST(RepetitionDraw, OnlyPiecesAndTheSquaresOfFourMovesAreCompared) {
  GameState g = RepeatingHistory();
  EXPECT_TRUE(RepeatedMoves(g));
  // The squares of half-moves n-2 and n-3 are not looked at.
  g.HistFrom(3, kDescriptive) = "KR8";
  g.HistTo(4, kDescriptive) = "KR8";
  EXPECT_TRUE(RepeatedMoves(g));
  // Nor is the row/column form.
  g.HistTo(6, kRowCol) = "11";
  EXPECT_TRUE(RepeatedMoves(g));
  // A different square of n - 4, or another piece text, breaks it.
  GameState other = RepeatingHistory();
  other.HistTo(2, kDescriptive) = "QR3";
  EXPECT_FALSE(RepeatedMoves(other));
  other = RepeatingHistory();
  other.HistPiece(3, kDescriptive) = "WB";
  EXPECT_FALSE(RepeatedMoves(other));
  // Five rows are never enough.
  other = RepeatingHistory();
  other.HistoryCount = 5;
  EXPECT_FALSE(RepeatedMoves(other));
}

}  // namespace
}  // namespace bdvx::test
