#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "console/virtual_console.h"
#include "game/entry.h"
#include "test_support.h"

namespace bdvx {
namespace {

using Click = std::pair<int, int>;

// A console in the normal pair with the cursor at row 22, column 1, where the
// caller places it for the picks and the moves.
VirtualConsole EchoConsole() {
  VirtualConsole con;
  con.setColor(kNormalFg, kNormalBg);
  con.clear();
  con.locate(22, 1);
  return con;
}

std::string ReadWithClicks(const std::vector<Click>& clicks, EntryMode mode,
                           int computerSide = kBlack, const Board& board = test::StartBoard()) {
  VirtualConsole con = EchoConsole();
  for (const auto& [row, col] : clicks) con.queueClick(row, col);
  return ReadMouseEntry(con, board, computerSide, mode);
}

// The clicks make no entry of their own: a NEW click after them is the result.
void ExpectIgnoredInMove(const std::vector<Click>& clicks, int computerSide = kBlack) {
  std::vector<Click> script = clicks;
  script.emplace_back(1, 1);
  EXPECT_EQ(ReadWithClicks(script, EntryMode::Move, computerSide), "NEW");
}

TEST(ReadMouseEntryMove, PawnMoveWithItsEcho) {
  VirtualConsole con = EchoConsole();
  con.queueClick(16, 27);
  con.queueClick(14, 28);
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Move), "WP 75 55");
  EXPECT_EQ(con.textAt(22, 1, 12), "  WP 75 55  ");
  EXPECT_NEAR(con.sleptSeconds(), 0.8, 1e-9);  // 500 before the first click, 300 before the second
}

TEST(ReadMouseEntryMove, TurnedBoardWhenThePlayerHasBlack) {
  VirtualConsole con = EchoConsole();
  con.queueClick(16, 27);
  con.queueClick(14, 28);
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kWhite, EntryMode::Move), "BP 24 44");
  EXPECT_EQ(con.textAt(22, 1, 10), "  BP 24 44");
}

TEST(ReadMouseEntryMove, ColumnsRoundToTheNearestCell) {
  const std::vector<std::pair<int, std::string>> cases = {
      {15, "WP 71 61"}, {16, "WP 71 61"}, {17, "WP 71 61"}, {18, "WP 72 61"}, {20, "WP 72 61"},
      {21, "WP 73 61"}, {26, "WP 74 61"}, {27, "WP 75 61"}, {35, "WP 77 61"}, {36, "WP 78 61"},
      {37, "WP 78 61"}};
  for (const auto& [col, move] : cases) {
    SCOPED_TRACE(col);
    EXPECT_EQ(ReadWithClicks({{16, col}, {15, 15}}, EntryMode::Move), move);
  }
}

TEST(ReadMouseEntryMove, ClicksOutsideTheBoardBlockAreNoSquares) {
  // Columns 14 and 38 beside the pawns, rows 9 and 18 above and below the board.
  ExpectIgnoredInMove({{16, 14}, {16, 38}});
  ExpectIgnoredInMove({{9, 16}, {18, 16}}, kWhite);
  // The same places as destinations are skipped until a square is clicked.
  EXPECT_EQ(ReadWithClicks({{16, 15}, {15, 14}, {15, 38}, {9, 15}, {18, 15}, {10, 16}},
                           EntryMode::Move),
            "WP 71 11");
}

TEST(ReadMouseEntryMove, FirstClickMustHitAPieceOfThePlayer) {
  ExpectIgnoredInMove({{10, 15}, {11, 27}, {14, 27}});  // Black rook, Black pawn, empty square
  // The same screen places on the turned board: White rook, White pawn, empty square.
  ExpectIgnoredInMove({{10, 15}, {11, 27}, {14, 27}}, kWhite);
}

TEST(ReadMouseEntryMove, DestinationIsAnySquareNotHoldingAnOwnPiece) {
  // Own pawns and the own rook are skipped; an enemy square ends the move
  // without any rule check.
  EXPECT_EQ(ReadWithClicks({{16, 18}, {16, 21}, {17, 15}, {10, 15}}, EntryMode::Move), "WP 72 11");
}

TEST(ReadMouseEntryMove, MenuWordsAndParseByColumn) {
  const std::vector<std::pair<int, std::string>> hits = {
      {1, "NEW"},      {3, "NEW"},      {5, "LOAD"},   {20, "CREATE"}, {27, "DISPLAY"},
      {40, "RESIGN"},  {47, "VOICE"},   {57, "ABOUT"}, {62, "EXIT"},   {78, "PARSE"},
      {79, "PARSE"},   {80, "PARSE"}};
  for (const auto& [col, word] : hits) {
    SCOPED_TRACE(col);
    EXPECT_EQ(ReadWithClicks({{1, col}}, EntryMode::Move), word);
  }
  // The blanks between the words and the empty stretch before PARSE.
  EXPECT_EQ(ReadWithClicks({{1, 4}, {1, 21}, {1, 63}, {1, 77}, {1, 22}}, EntryMode::Move), "HELP");
}

TEST(ReadMouseEntryMove, HintLabelCountsFromColumn53) {
  ExpectIgnoredInMove({{18, 52}, {18, 56}, {17, 53}});
  EXPECT_EQ(ReadWithClicks({{18, 53}}, EntryMode::Move), "HINT");
  EXPECT_EQ(ReadWithClicks({{18, 55}}, EntryMode::Move), "HINT");
}

TEST(ReadMouseEntryMove, HintAndMenuIgnoredWhileAMoveIsHalfEntered) {
  EXPECT_EQ(ReadWithClicks({{16, 27}, {18, 53}, {1, 1}, {1, 79}, {14, 28}}, EntryMode::Move),
            "WP 75 55");
}

TEST(ReadMouseEntryMove, CancelOnlyCountsWhileAMoveIsHalfEntered) {
  ExpectIgnoredInMove({{18, 44}, {18, 49}});

  VirtualConsole con = EchoConsole();
  con.queueClick(16, 27);
  con.queueClick(18, 43);  // beside CANCEL: nothing
  con.queueClick(18, 50);
  con.queueClick(18, 44);  // CANCEL: the echo goes, a new first click is awaited
  con.queueClick(16, 18);
  con.queueClick(18, 49);  // CANCEL again, at its last column
  con.queueClick(17, 18);
  con.queueClick(15, 18);
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Move), "WN 82 62");
  EXPECT_EQ(con.rowText(22).substr(0, 45), "  WN 82 62" + std::string(35, ' '));
}

TEST(ReadMouseEntryPicks, ColourByTheWordsOfThePrompt) {
  for (int col : {3, 7}) EXPECT_EQ(ReadWithClicks({{22, col}}, EntryMode::Colour), "B");
  for (int col : {10, 14}) EXPECT_EQ(ReadWithClicks({{22, col}}, EntryMode::Colour), "W");
  // Beside the words, on other rows, on the menu and on the board: nothing.
  EXPECT_EQ(ReadWithClicks({{22, 2}, {22, 8}, {22, 9}, {22, 15}, {21, 5}, {1, 1}, {16, 27}, {22, 11}},
                           EntryMode::Colour),
            "W");
}

TEST(ReadMouseEntryPicks, LevelByTheOddColumnsOfTheDigits) {
  EXPECT_EQ(ReadWithClicks({{22, 3}}, EntryMode::Level), "0");
  EXPECT_EQ(ReadWithClicks({{22, 21}}, EntryMode::Level), "9");
  EXPECT_EQ(ReadWithClicks({{22, 4}, {22, 11}}, EntryMode::Level), "4");
  EXPECT_EQ(ReadWithClicks({{22, 1}, {22, 2}, {22, 22}, {22, 23}, {21, 5}, {1, 1}, {22, 5}},
                           EntryMode::Level),
            "1");
}

TEST(ReadMouseEntryPicks, VoiceByRowInColumnsSixToNine) {
  const char* codes[] = {"ENG", "ENR", "ENW", "SPA", "SPW", "SFX", "NON"};
  for (int row = 3; row <= 9; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(ReadWithClicks({{row, 6}}, EntryMode::Voice), codes[row - 3]);
    EXPECT_EQ(ReadWithClicks({{row, 9}}, EntryMode::Voice), codes[row - 3]);
  }
  EXPECT_EQ(ReadWithClicks({{3, 5}, {3, 10}, {2, 7}, {10, 7}, {1, 1}, {22, 3}, {8, 8}},
                           EntryMode::Voice),
            "SFX");
}

TEST(ReadMouseEntryPicks, VoicePickPrintsNothingAndWaitsOnRow22) {
  VirtualConsole con = EchoConsole();
  con.locate(1, 1);
  con.queueClick(4, 7);
  const std::string before = con.rowText(1);
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Voice), "ENR");
  EXPECT_EQ(con.rowText(1), before);
  EXPECT_EQ(con.rowText(22), std::string(80, ' '));
  EXPECT_EQ(con.screen().cursorRow(), 22);
  EXPECT_EQ(con.screen().cursorCol(), 1);
}

TEST(ReadMouseEntryTyped, MoveModeTakesAnyLineThatIsNotBlank) {
  VirtualConsole con = EchoConsole();
  con.queueLine("   ");
  con.queueLine(" wp 75 55 ");
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Move), "WP 75 55");
  EXPECT_EQ(con.textAt(22, 1, 10), " wp 75 55 ");

  con.queueLine("he");
  con.locate(22, 1);
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Move), "HE");
}

TEST(ReadMouseEntryTyped, LineReplacesAHalfEnteredMove) {
  VirtualConsole con = EchoConsole();
  con.queueClick(16, 27);
  con.queueLine("help");
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Move), "HELP");
  EXPECT_EQ(con.rowText(22).substr(0, 45), "help" + std::string(41, ' '));
}

TEST(ReadMouseEntryTyped, BlankLineKeepsTheHalfEnteredMove) {
  VirtualConsole con = EchoConsole();
  con.queueClick(16, 27);
  con.queueLine("  ");
  con.queueClick(14, 28);
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Move), "WP 75 55");
  EXPECT_EQ(con.rowText(22).substr(0, 14), "  WP 75 55    ");
}

TEST(ReadMouseEntryTyped, PicksTakeOnlyTheirAnswersAndRestoreThePrompt) {
  const std::string prompt = "  BLACK  WHITE  <-- Pick your color       ";
  VirtualConsole con = EchoConsole();
  con.printLine(prompt);
  con.locate(22, 1);
  con.queueLine("hello there");
  con.queueLine("b");
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Colour), "B");
  EXPECT_EQ(con.rowText(22).substr(0, 45), "b" + prompt.substr(1) + "   ");

  const std::string levels = "  0 1 2 3 4 5 6 7 8 9  <-- Pick difficulty ";
  con.locate(22, 1);
  con.printLine(levels);
  con.locate(22, 1);
  con.queueLine("12");
  con.queueLine("x");
  con.queueLine(" 7 ");
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Level), "7");
  EXPECT_EQ(con.rowText(22).substr(0, 45), " 7 " + levels.substr(3) + "  ");

  con.locate(1, 1);
  con.queueLine("abc");
  con.queueLine("sfx");
  EXPECT_EQ(ReadMouseEntry(con, test::StartBoard(), kBlack, EntryMode::Voice), "SFX");
  EXPECT_EQ(con.rowText(22).substr(0, 4), "sfx ");
}

}  // namespace
}  // namespace bdvx
