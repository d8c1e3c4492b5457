#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "placed_board.h"
#include "rules/attacks.h"
#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx::test {
namespace {

TEST(FindPiece, FirstSquareInRowMajorOrderElse99) {
  // The code found (or 99) and its square.
  const struct { const char* pieces; int code, found, square; } cases[] = {
      {"56Q 37Q 42N 46N 41n", 9, 9, 37}, {"56Q 37Q 42N 46N 41n", 3, 3, 42},
      {"15k", 4, kNoPiece, 0}, {"15k", 10, kNoPiece, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pieces << " " << c.code);
    int code = c.code, row = -1, col = -1;
    FindPiece(Pieces(c.pieces), code, row, col);
    EXPECT_EQ(code, c.found);
    EXPECT_EQ(std::pair(row, col), RowCol(c.square));
  }
  const KingsOnBoard none = FindKings(EmptyBoard()), white = FindKings(Pieces("85K"));
  EXPECT_EQ(std::tuple(none.black, none.white, white.black, white.white),
            std::tuple(false, false, false, true));
  EXPECT_TRUE(FindKings(StartBoard()).both());
}

TEST(FindCheckers, PawnsLinesKnightsAndKings) {
  // The king attacked and the squares of its attackers, in the order found.
  const struct { const char* pieces; int king; std::vector<int> checkers; } cases[] = {
      // Pawns attack only diagonally forward.
      {"54P 45k 88K", 45, {54}}, {"54P 44k 88K", 44, {}}, {"54P 65k 88K", 65, {}},
      {"44p 55K 11k", 55, {44}},
      // Lines are blocked by either colour, knights are not.
      {"15r 85K 11k", 85, {15}}, {"15r 85K 11k 45N", 85, {}}, {"15r 85K 11k 45n", 85, {}},
      {"85K 64n 74P 75P 65P 11k", 85, {64}}, {"44Q 11k 88K 22p", 11, {}},
      {"44Q 11k 88K", 11, {44}},
      // A king beside the other attacks it; two checkers are both found.
      {"85K 74k", 85, {74}}, {"85K 64n 15r 11k", 85, {64, 15}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pieces);
    const Checkers found = FindCheckers(Pieces(c.pieces), RowOf(c.king), ColOf(c.king));
    std::vector<int> squares;
    for (int i = 0; i < found.count; ++i) squares.push_back(found.rows[i] * 10 + found.cols[i]);
    EXPECT_EQ(squares, c.checkers);
  }
}

TEST(TestLineThroughSquare, ShieldsDiscoversBothOrNothing) {
  const struct {
    const char* pieces;
    int piece, square, score, attacker = 0, attackerSquare = 0, kingSquare = 0;
  } cases[] = {
      // (7, 5) between the White king and a Black rook: shields it for a White
      // piece, discovers the check for a Black one.
      {"85K 15r 28k", 3, 75, kLineShields, -5, 15, 85},
      {"85K 15r 28k", -3, 75, kLineDiscovers, -5, 15, 85},
      // Diagonals take a bishop or a queen, not a rook.
      {"81K 45b 11k", 4, 63, kLineShields, -4, 45, 81},
      {"81K 45q 11k", 4, 63, kLineShields, -9, 45, 81}, {"81K 45r 11k", 4, 63, kLineNone},
      // (4, 4) between the White king and a Black queen on column 4, and between
      // the Black king and a White rook on row 4. For a White piece the White
      // king's line already ends the test.
      {"84K 14q 48k 41R", -1, 44, kLineBoth, 5, 41, 48},
      {"84K 14q 48k 41R", 1, 44, kLineShields, -9, 14, 84},
      // No find behind a friend, an enemy knight, a blocker or an empty diagonal.
      {"85K 15R 28k", 3, 75, kLineNone}, {"85K 15n 28k", 3, 75, kLineNone},
      {"85K 15r 28k 65P", 3, 75, kLineNone}, {"86K 15r 28k", 3, 75, kLineNone}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pieces << " " << c.piece);
    const LineTest line = TestLineThroughSquare(Pieces(c.pieces), c.piece,
                                                RowOf(c.square), ColOf(c.square));
    EXPECT_EQ(line.score, c.score);
    if (c.score == kLineNone) continue;  // nothing else is reported without a find
    EXPECT_EQ(line.attacker, c.attacker);
    EXPECT_EQ(std::pair(line.attackerRow, line.attackerCol), RowCol(c.attackerSquare));
    EXPECT_EQ(std::pair(line.kingRow, line.kingCol), RowCol(c.kingSquare));
  }
}

TEST(TestLineThroughSquare, AMissingWhiteKingEndsTheTest) {
  EXPECT_EQ(TestLineThroughSquare(Pieces("48k 41R"), -1, 4, 4).score, kLineNone);
}

}  // namespace
}  // namespace bdvx::test
