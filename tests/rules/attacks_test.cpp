#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "console/virtual_console.h"
#include "placed_board.h"
#include "rules/attacks.h"
#include "rules/piece_moves.h"

namespace bdvx::test {
namespace {

const std::string kNoWhiteKing = "  FATAL ERROR: NO WHITE KING  ON BOARD.";
const std::string kNoBlackKing = "  FATAL ERROR: NO BLACK KING  ON BOARD.";

TEST(FindPiece, FirstSquareInRowMajorOrderElse99AndOnlyAKingIsReported) {
  // The code found (or 99), its square and row 23 afterwards.
  const struct { const char* pieces; int code, found, square; std::string message; } cases[] = {
      {"56Q 37Q 42N 46N 41n", 9, 9, 37, ""}, {"56Q 37Q 42N 46N 41n", 3, 3, 42, ""},
      {"15k", 4, kNoPiece, 0, ""}, {"15k", 10, kNoPiece, 0, kNoWhiteKing}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pieces << " " << c.code);
    VirtualConsole con;
    int code = c.code, row = -1, col = -1;
    FindPiece(con, Pieces(c.pieces), code, row, col);
    EXPECT_EQ(code, c.found);
    EXPECT_EQ(std::pair(row, col), RowCol(c.square));
    EXPECT_EQ(Trimmed(con, 23), c.message);
  }
}

TEST(BothKingsPresent, ReportsEachMissingKing) {
  const struct { Board board; bool present; std::string message; } cases[] = {
      {StartBoard(), true, ""},
      {Pieces("85K"), false, kNoBlackKing},
      // Neither king: the White king's line, written second, is the one left.
      {EmptyBoard(), false, kNoWhiteKing}};
  for (const auto& c : cases) {
    VirtualConsole con;
    EXPECT_EQ(BothKingsPresent(con, c.board), c.present);
    EXPECT_EQ(Trimmed(con, 23), c.message);
    EXPECT_EQ(Trimmed(con, 24), "");
  }
}

TEST(TestGivesCheck, PawnsLinesKnightsAndKings) {
  // The result (0 or 5) and the king square searched.
  const struct { const char* pieces; int piece, from, result, king; } cases[] = {
      // Pawns attack only diagonally forward.
      {"54P 45k 88K", 1, 54, kRuleAttacksKing, 45}, {"54P 44k 88K", 1, 54, 0, 44},
      {"54P 65k 88K", 1, 54, 0, 65}, {"44p 55K 11k", -1, 44, kRuleAttacksKing, 55},
      // Lines are blocked by either colour, knights are not.
      {"15r 85K 11k", -5, 15, kRuleAttacksKing, 85}, {"15r 85K 11k 45N", -5, 15, 0, 85},
      {"15r 85K 11k 45n", -5, 15, 0, 85},
      {"85K 64n 74P 75P 65P 11k", -3, 64, kRuleAttacksKing, 85},
      {"44Q 11k 88K 22p", 9, 44, 0, 11}, {"44Q 11k 88K", 9, 44, kRuleAttacksKing, 11},
      {"85K 87k", 10, 85, 0, 87}};  // a king's jump never attacks
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pieces);
    VirtualConsole con;
    int kingRow = -1, kingCol = -1, result = 0;
    TestGivesCheck(con, Pieces(c.pieces), PawnJumpRecord{}, c.piece, RowOf(c.from),
                   ColOf(c.from), kingRow, kingCol, result);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(std::pair(kingRow, kingCol), RowCol(c.king));
  }
}

TEST(TestGivesCheck, Result99TargetsTheGivenSquare) {
  VirtualConsole con;
  const Board board = Pieces("11R");  // no kings at all
  int kingRow = 1, kingCol = 8, result = kRuleKingMissing;
  TestGivesCheck(con, board, PawnJumpRecord{}, 5, 1, 1, kingRow, kingCol, result);
  EXPECT_EQ(result, kRuleAttacksKing);
  EXPECT_EQ(Trimmed(con, 23), "");  // no search, no message
  kingRow = 2, kingCol = 8, result = kRuleKingMissing;
  TestGivesCheck(con, board, PawnJumpRecord{}, 5, 1, 1, kingRow, kingCol, result);
  EXPECT_EQ(result, 0);
}

TEST(TestGivesCheck, AMissingKingLeavesResultUnchanged) {
  VirtualConsole con;
  int kingRow = -1, kingCol = -1, result = 1;
  TestGivesCheck(con, Pieces("11R 88K"), PawnJumpRecord{}, 5, 1, 1, kingRow, kingCol, result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(std::pair(kingRow, kingCol), std::pair(0, 0));
  EXPECT_EQ(Trimmed(con, 23), kNoBlackKing);
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
    VirtualConsole con;
    const LineTest line = TestLineThroughSquare(con, Pieces(c.pieces), c.piece,
                                                RowOf(c.square), ColOf(c.square));
    EXPECT_EQ(line.score, c.score);
    if (c.score == kLineNone) continue;  // nothing else is reported without a find
    EXPECT_EQ(line.attacker, c.attacker);
    EXPECT_EQ(std::pair(line.attackerRow, line.attackerCol), RowCol(c.attackerSquare));
    EXPECT_EQ(std::pair(line.kingRow, line.kingCol), RowCol(c.kingSquare));
  }
}

TEST(TestLineThroughSquare, AMissingWhiteKingEndsTheTest) {
  VirtualConsole con;
  EXPECT_EQ(TestLineThroughSquare(con, Pieces("48k 41R"), -1, 4, 4).score, kLineNone);
  EXPECT_EQ(Trimmed(con, 23), kNoWhiteKing);
}

}  // namespace
}  // namespace bdvx::test
