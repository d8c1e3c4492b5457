// The move scorer: capture, distance, pawn, damping, escape, promotion,
// check and fork terms, and the untouched score for uncontrolled squares.

#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "engine/move_scorer.h"
#include "engine/parse_board.h"
#include "engine/rounding.h"
#include "positions.h"
#include "test_support.h"

namespace bdvx {
namespace {

constexpr int kUntouched = -12345;

struct Scorer {
  explicit Scorer(const Board& b) : board(b) { BuildParseBoard(board, parse); }

  // The score of a move, or kUntouched when the scorer leaves it alone.
  int operator()(int fr, int fc, int tr, int tc, int side, int queenSideOK = 1,
                 int kingSideOK = 1, int checkScore = 0, int ruleResult = 1) {
    ScoredMove m{fr, fc, tr, tc, side, queenSideOK, kingSideOK,
                 tc <= 5 ? queenSideOK : kingSideOK, checkScore, ruleResult};
    int score = kUntouched;
    ScoreMove(board, parse, m, score);
    return score;
  }

  Board board;
  ParseArray parse;
};

TEST(ScoreMove, StartingPositionExamplesForBothSides) {
  Scorer score(test::StartBoard());
  EXPECT_EQ(score(1, 2, 3, 3, kBlack), 11);  // knight: d1 = d2 = 5
  EXPECT_EQ(score(2, 5, 3, 5, kBlack), 21);  // 1 + 4 + 15 + the pawn's 1
  EXPECT_EQ(score(2, 1, 3, 1, kBlack), 4);   // 1 + 1.6 rounds to 3
  EXPECT_EQ(score(2, 5, 4, 5, kBlack), kUntouched);  // control 0
  EXPECT_EQ(score(8, 2, 6, 3, kWhite), 11);
  EXPECT_EQ(score(7, 5, 6, 5, kWhite), 21);
}

TEST(ScoreMove, RookLeavingItsCornerIsHalvedWhileCastlingIsAllowed) {
  Scorer score(test::NamedPosition("rook_corner"));
  EXPECT_EQ(score(1, 1, 1, 3, kBlack, 1, 1), 2);  // 5 - 1 = 4, halved
  EXPECT_EQ(score(1, 1, 1, 3, kBlack, 0, 1), 4);
  EXPECT_EQ(score(1, 1, 1, 3, kBlack, 0, 0), 4);
}

TEST(ScoreMove, KingAndQueenDampingRoundsDown) {
  Scorer score(test::NamedPosition("rook_corner"));
  EXPECT_EQ(score(1, 5, 1, 4, kBlack), 2);  // 10 becomes 2
  EXPECT_EQ(FloorDiv(-3, 4), -1);           // a king's -3
  EXPECT_EQ(FloorDiv(-3, 2), -2);           // a queen's -3
  EXPECT_EQ(HalfToEven(7), 4);
  EXPECT_EQ(HalfToEven(5), 2);
}

TEST(ScoreMove, EscapeFromAttackIsWorthSevenTimesTheMagnitude) {
  // Knight (5,4) to (7,3): 3 + distance 0; the square is controlled by Black.
  EXPECT_EQ(Scorer(test::NamedPosition("escape_knight"))(5, 4, 7, 3, kWhite), 3 + 21);
  // Defended, the square is balanced, but the Black pawn still attacks it.
  EXPECT_EQ(Scorer(test::NamedPosition("escape_knight_defended"))(5, 4, 7, 3, kWhite),
            3 + 21);
  // Rook (5,4) to (5,3): 5 + (8 - 2 - 4) = 7, plus 35.
  EXPECT_EQ(Scorer(test::NamedPosition("escape_rook"))(5, 4, 5, 3, kWhite), 7 + 35);
  // King (5,4) back to (6,4): floor((10 - 1) / 4) = 2, then 70.
  EXPECT_EQ(Scorer(test::NamedPosition("escape_king"))(5, 4, 6, 4, kWhite), 2 + 70);
}

TEST(ScoreMove, CaptureCheckAndPromotionTerms) {
  Scorer score(test::StartBoard());
  const int quiet = score(7, 5, 6, 5, kWhite);
  EXPECT_EQ(score(7, 5, 6, 5, kWhite, 1, 1, 50), quiet + 50);
  EXPECT_EQ(score(7, 5, 6, 5, kWhite, 1, 1, 100), quiet + 100);
  EXPECT_EQ(score(7, 5, 6, 5, kWhite, 1, 1, 0, 2), quiet + 30);

  // A pawn taking a queen: 1 + 9 x 10, plus the pawn's advance terms.
  Board board = test::StartBoard();
  board(6, 4) = -kQueen;
  Scorer capture(board);
  EXPECT_EQ(capture(7, 5, 6, 4, kWhite), 91 + 1 + 4 + 15);
}

TEST(ForkBonus, CountsEnemiesButNotOnTheEdgeColumns) {
  // (3,7) reaches the Black king on (2,5) and the rook on (1,8): +3 only.
  EXPECT_EQ(ForkBonus(test::NamedPosition("fork_white"), kKnight, 3, 7), 3);
  EXPECT_EQ(ForkBonus(test::NamedPosition("fork_black"), -kKnight, 6, 7), 3);
  EXPECT_EQ(ForkBonus(test::StartBoard(), kKnight, 3, 3), 9);  // (1,4), (2,5), (1,2); not (2,1)
}

}  // namespace
}  // namespace bdvx
