// The move line in both output forms, the history rows and the repetition
// draw.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "move_fixture.h"
#include "rules/history.h"

namespace bdvx::test {
namespace {

// One history row: piece, from and to, each in the descriptive and the
// row/column form.
using HistoryRow = std::array<std::string, 6>;
HistoryRow RowOf(GameState& g, int n) {
  return {g.HistPiece(n, kDescriptive), g.HistPiece(n, kRowCol), g.HistFrom(n, kDescriptive),
          g.HistFrom(n, kRowCol),       g.HistTo(n, kDescriptive), g.HistTo(n, kRowCol)};
}

TEST(MoveLine, RowColumnForm) {
  MoveGame game(StartBoard());
  game.Play("WP 75 55", Step::TurnTop, With(StartBoard(), {":: 75", "WP 55"}),
            {{2, " WHITE PAWN   At ( 7 5) Moved To ( 5 5)"}});
  EXPECT_EQ(game.g.MsgRow, 2);
}

TEST(MoveLine, DescriptiveFormCountsRanksFromTheMoversHomeRow) {
  MoveGame game(StartBoard());
  game.g.DescriptiveOutput = 1;
  game.Player("WP 75 55");
  EXPECT_TRUE(game.Shows(2, " WP- K 4 (From  K 2)"));
  // The computer's line follows below the player's: MsgRow is not reset.
  game.Computer("BN 17 36");
  EXPECT_TRUE(game.Shows(3, " BN-KB 3 (From KN 1)"));
}

TEST(History, RowsHoldTextsNameAndBothSquareForms) {
  MoveGame game(StartBoard());
  game.Player("WP 75 55");
  game.Computer("BN 17 36");
  ASSERT_EQ(game.g.HistoryCount, 2);
  EXPECT_EQ(RowOf(game.g, 1), (HistoryRow{"WP", "WHITE PAWN  ", " K2", "75", " K4", "55"}));
  EXPECT_EQ(RowOf(game.g, 2), (HistoryRow{"BN", "BLACK KNIGHT", "KN1", "17", "KB3", "36"}));
  EXPECT_TRUE(game.Shows(3, " BLACK KNIGHT At ( 1 7) Moved To ( 3 6)"));
  EXPECT_EQ(game.g.Code2, "BN");  // the execution writes the mover's text
}

TEST(History, Row300IsOverwrittenOnceFull) {
  MoveGame game(StartBoard());
  game.g.HistoryCount = kHistoryRows;
  game.g.HistPiece(299, kDescriptive) = "XX";
  game.g.HistPiece(300, kDescriptive) = "YY";
  game.Player("WP 75 55");
  EXPECT_EQ(game.g.HistoryCount, 300);
  EXPECT_EQ(RowOf(game.g, 300), (HistoryRow{"WP", "WHITE PAWN  ", " K2", "75", " K4", "55"}));
  EXPECT_EQ(game.g.HistPiece(299, kDescriptive), "XX");
}

TEST(RepetitionDraw, SixthHalfMoveEndsTheGameBeforeItIsMade) {
  MoveGame game(StartBoard());
  for (const char* move : {"WN 82 63", "BN 12 33", "WN 63 82", "BN 33 12", "WN 82 63"})
    EXPECT_EQ(game.Move(move), Step::TurnTop) << move;
  // The sixth is recorded and announced, but not made.
  game.Play("BN 12 33", Step::EndGame, With(StartBoard(), {":: 82", "WN 63"}),
            {{3, " BLACK KNIGHT At ( 1 2) Moved To ( 3 3)"},
             {4, " DRAW: Both sides made repeating moves."}});
  EXPECT_EQ(std::tuple(game.g.EndReason, game.g.HistoryCount, game.g.MsgRow),
            std::tuple(" **DRAW** ", 6, 3));
}

// Six rows of the two knights going between QN1 and QB3, with the changes
// made in order.
bool RepeatedAfter(std::initializer_list<void (*)(GameState&)> changes) {
  GameState g;
  const char* from[] = {"QN1", "QN1", "QB3", "QB3", "QN1", "QN1"};
  const char* to[] = {"QB3", "QB3", "QN1", "QN1", "QB3", "QB3"};
  for (int n = 1; n <= 6; ++n) {
    g.HistPiece(n, kDescriptive) = n % 2 == 1 ? "WN" : "BN";
    g.HistFrom(n, kDescriptive) = from[n - 1];
    g.HistTo(n, kDescriptive) = to[n - 1];
  }
  g.HistoryCount = 6;
  for (const auto change : changes) change(g);
  return RepeatedMoves(g);
}

TEST(RepetitionDraw, OnlyPiecesAndTheSquaresOfFourMovesAreCompared) {
  EXPECT_TRUE(RepeatedAfter({}));
  // The squares of half-moves n-2 and n-3 are not looked at, nor is the
  // row/column form.
  void (*const oldSquares)(GameState&) = [](GameState& g) {
    g.HistFrom(3, kDescriptive) = g.HistTo(4, kDescriptive) = "KR8";
  };
  EXPECT_TRUE(RepeatedAfter({oldSquares}));
  EXPECT_TRUE(RepeatedAfter({oldSquares, [](GameState& g) { g.HistTo(6, kRowCol) = "11"; }}));
  // A different square of n - 4, or another piece text, breaks it; five
  // rows are never enough.
  EXPECT_FALSE(RepeatedAfter({[](GameState& g) { g.HistTo(2, kDescriptive) = "QR3"; }}));
  EXPECT_FALSE(RepeatedAfter({[](GameState& g) { g.HistPiece(3, kDescriptive) = "WB"; }}));
  EXPECT_FALSE(RepeatedAfter({[](GameState& g) { g.HistoryCount = 5; }}));
}

}  // namespace
}  // namespace bdvx::test
