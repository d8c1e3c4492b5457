#include <gtest/gtest.h>

#include <string>

#include "console/virtual_console.h"
#include "placed_board.h"
#include "rules/attacks.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

using test::Placing;

const std::string kBlankRow(80, ' ');

// The row as printed, without the blanks that fill it to column 80.
std::string Trimmed(const VirtualConsole& con, int row) {
  std::string text = con.rowText(row);
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

TEST(FindPiece, FirstSquareInRowMajorOrder) {
  VirtualConsole con;
  const Board board = Placing({{5, 6, 9}, {3, 7, 9}, {4, 2, 3}, {4, 6, 3}, {4, 1, -3}});
  int code = 9, row = -1, col = -1;
  FindPiece(con, board, code, row, col);
  EXPECT_EQ(code, 9);
  EXPECT_EQ(row, 3);
  EXPECT_EQ(col, 7);
  code = 3;
  FindPiece(con, board, code, row, col);
  EXPECT_EQ(row, 4);
  EXPECT_EQ(col, 2);
}

TEST(FindPiece, AbsentCodeGives99AndOnlyAKingIsReported) {
  VirtualConsole con;
  const Board board = Placing({{1, 5, -10}});
  int code = 4, row = -1, col = -1;
  FindPiece(con, board, code, row, col);
  EXPECT_EQ(code, kNoPiece);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(col, 0);
  EXPECT_EQ(con.rowText(23), kBlankRow);

  code = 10;
  FindPiece(con, board, code, row, col);
  EXPECT_EQ(code, kNoPiece);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(Trimmed(con, 23), "  FATAL ERROR: NO WHITE KING  ON BOARD.");
}

TEST(BothKingsPresent, ReportsEachMissingKing) {
  {
    VirtualConsole con;
    EXPECT_TRUE(BothKingsPresent(con, test::StartBoard()));
    EXPECT_EQ(con.rowText(23), kBlankRow);
  }
  {
    VirtualConsole con;
    EXPECT_FALSE(BothKingsPresent(con, Placing({{8, 5, 10}})));
    EXPECT_EQ(Trimmed(con, 23), "  FATAL ERROR: NO BLACK KING  ON BOARD.");
  }
  {
    // Neither king: the White king's line, written second, is the one left.
    VirtualConsole con;
    EXPECT_FALSE(BothKingsPresent(con, test::EmptyBoard()));
    EXPECT_EQ(Trimmed(con, 23), "  FATAL ERROR: NO WHITE KING  ON BOARD.");
    EXPECT_EQ(con.rowText(24), kBlankRow);
  }
}

// TestGivesCheck with the king searched on the board.
int GivesCheck(const Board& board, int piece, int row, int col, int* kingRow = nullptr,
               int* kingCol = nullptr) {
  VirtualConsole con;
  int kr = -1, kc = -1, result = 0;
  TestGivesCheck(con, board, PawnJumpRecord{}, piece, row, col, kr, kc, result);
  if (kingRow != nullptr) *kingRow = kr;
  if (kingCol != nullptr) *kingCol = kc;
  return result;
}

TEST(TestGivesCheck, PawnsAttackOnlyDiagonallyForward) {
  Board board = Placing({{5, 4, 1}, {4, 5, -10}, {8, 8, 10}});
  int kr = 0, kc = 0;
  EXPECT_EQ(GivesCheck(board, 1, 5, 4, &kr, &kc), kRuleAttacksKing);
  EXPECT_EQ(kr, 4);
  EXPECT_EQ(kc, 5);
  board = Placing({{5, 4, 1}, {4, 4, -10}, {8, 8, 10}});
  EXPECT_EQ(GivesCheck(board, 1, 5, 4), 0);
  board = Placing({{5, 4, 1}, {6, 5, -10}, {8, 8, 10}});
  EXPECT_EQ(GivesCheck(board, 1, 5, 4), 0);
  board = Placing({{4, 4, -1}, {5, 5, 10}, {1, 1, -10}});
  EXPECT_EQ(GivesCheck(board, -1, 4, 4), kRuleAttacksKing);
}

TEST(TestGivesCheck, LinesAreBlockedKnightsAreNot) {
  Board board = Placing({{1, 5, -5}, {8, 5, 10}, {1, 1, -10}});
  EXPECT_EQ(GivesCheck(board, -5, 1, 5), kRuleAttacksKing);
  board(4, 5) = 3;
  EXPECT_EQ(GivesCheck(board, -5, 1, 5), 0);
  board(4, 5) = -3;
  EXPECT_EQ(GivesCheck(board, -5, 1, 5), 0);

  board = Placing({{8, 5, 10}, {6, 4, -3}, {7, 4, 1}, {7, 5, 1}, {6, 5, 1}, {1, 1, -10}});
  EXPECT_EQ(GivesCheck(board, -3, 6, 4), kRuleAttacksKing);

  board = Placing({{4, 4, 9}, {1, 1, -10}, {8, 8, 10}, {2, 2, -1}});
  EXPECT_EQ(GivesCheck(board, 9, 4, 4), 0);
  board(2, 2) = 0;
  EXPECT_EQ(GivesCheck(board, 9, 4, 4), kRuleAttacksKing);
}

TEST(TestGivesCheck, AKingsJumpNeverAttacks) {
  const Board board = Placing({{8, 5, 10}, {8, 7, -10}});
  EXPECT_EQ(GivesCheck(board, 10, 8, 5), 0);
}

TEST(TestGivesCheck, Result99TargetsTheGivenSquare) {
  VirtualConsole con;
  const Board board = Placing({{1, 1, 5}});  // no kings at all
  int kr = 1, kc = 8, result = kRuleKingMissing;
  TestGivesCheck(con, board, PawnJumpRecord{}, 5, 1, 1, kr, kc, result);
  EXPECT_EQ(result, kRuleAttacksKing);
  EXPECT_EQ(con.rowText(23), kBlankRow);  // no search, no message
  kr = 2, kc = 8, result = kRuleKingMissing;
  TestGivesCheck(con, board, PawnJumpRecord{}, 5, 1, 1, kr, kc, result);
  EXPECT_EQ(result, 0);
}

TEST(TestGivesCheck, AMissingKingLeavesResultUnchanged) {
  VirtualConsole con;
  const Board board = Placing({{1, 1, 5}, {8, 8, 10}});
  int kr = -1, kc = -1, result = 1;
  TestGivesCheck(con, board, PawnJumpRecord{}, 5, 1, 1, kr, kc, result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(kr, 0);
  EXPECT_EQ(kc, 0);
  EXPECT_EQ(Trimmed(con, 23), "  FATAL ERROR: NO BLACK KING  ON BOARD.");
}

LineTest Line(const Board& board, int piece, int row, int col) {
  VirtualConsole con;
  return TestLineThroughSquare(con, board, piece, row, col);
}

TEST(TestLineThroughSquare, ShieldingAndDiscovering) {
  const Board board = Placing({{8, 5, 10}, {1, 5, -5}, {2, 8, -10}});
  LineTest line = Line(board, 3, 7, 5);
  EXPECT_EQ(line.score, kLineShields);
  EXPECT_EQ(line.attacker, -5);
  EXPECT_EQ(line.attackerRow, 1);
  EXPECT_EQ(line.attackerCol, 5);
  EXPECT_EQ(line.kingRow, 8);
  EXPECT_EQ(line.kingCol, 5);
  line = Line(board, -3, 7, 5);
  EXPECT_EQ(line.score, kLineDiscovers);
  EXPECT_EQ(line.attacker, -5);
  EXPECT_EQ(line.kingRow, 8);

  // Diagonals take a bishop or a queen, not a rook.
  Board diagonal = Placing({{8, 1, 10}, {4, 5, -4}, {1, 1, -10}});
  EXPECT_EQ(Line(diagonal, 4, 6, 3).score, kLineShields);
  diagonal(4, 5) = -9;
  EXPECT_EQ(Line(diagonal, 4, 6, 3).score, kLineShields);
  diagonal(4, 5) = -5;
  EXPECT_EQ(Line(diagonal, 4, 6, 3).score, kLineNone);
}

TEST(TestLineThroughSquare, BothKingsGive15) {
  // (4, 4) stands between the White king and a Black queen on column 4, and
  // between the Black king and a White rook on row 4.
  const Board board = Placing({{8, 4, 10}, {1, 4, -9}, {4, 8, -10}, {4, 1, 5}});
  const LineTest line = Line(board, -1, 4, 4);
  EXPECT_EQ(line.score, kLineBoth);
  EXPECT_EQ(line.attacker, 5);
  EXPECT_EQ(line.attackerCol, 1);
  EXPECT_EQ(line.kingRow, 4);
  EXPECT_EQ(line.kingCol, 8);
  // For a White piece the White king's line already ends the test.
  EXPECT_EQ(Line(board, 1, 4, 4).score, kLineShields);
  EXPECT_EQ(Line(board, 1, 4, 4).attacker, -9);
}

TEST(TestLineThroughSquare, NoFindBehindFriendsKnightsOrBlockers) {
  Board board = Placing({{8, 5, 10}, {1, 5, 5}, {2, 8, -10}});
  EXPECT_EQ(Line(board, 3, 7, 5).score, kLineNone);  // a friend at the far end
  board(1, 5) = -3;
  EXPECT_EQ(Line(board, 3, 7, 5).score, kLineNone);  // an enemy knight
  board(1, 5) = -5;
  board(6, 5) = 1;
  EXPECT_EQ(Line(board, 3, 7, 5).score, kLineNone);  // a piece in front of the rook
  board(6, 5) = 0;
  board(8, 5) = 0;
  board(8, 6) = 10;
  EXPECT_EQ(Line(board, 3, 7, 5).score, kLineNone);  // an empty diagonal beyond
}

TEST(TestLineThroughSquare, AMissingWhiteKingEndsTheTest) {
  VirtualConsole con;
  const Board board = Placing({{4, 8, -10}, {4, 1, 5}});
  EXPECT_EQ(TestLineThroughSquare(con, board, -1, 4, 4).score, kLineNone);
  EXPECT_EQ(Trimmed(con, 23), "  FATAL ERROR: NO WHITE KING  ON BOARD.");
}

}  // namespace
}  // namespace bdvx
