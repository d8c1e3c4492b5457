#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "records/snapshot.h"
#include "records_fixture.h"

namespace bdvx {
namespace {

using test::CrLfLines;
using test::NewGameState;
using test::ReadFile;
using test::TempWorkDir;

TEST(SnapshotSave, StartingPositionGivesTheListedLines) {
  TempWorkDir dir;
  ASSERT_TRUE(SaveSnapshot(NewGameState()));
  const std::string content = ReadFile(kSnapshotFileName);
  const auto lines = CrLfLines(content);
  ASSERT_EQ(lines.size(), 118u);

  EXPECT_EQ(lines[0].rfind("BRANDOVEX GAME SNAPSHOT", 0), 0u);
  const std::vector<std::string> blackRow = {"BR", "BN", "BB", "BQ", "BK", "BB", "BN", "BR"};
  const std::vector<std::string> whiteRow = {"WR", "WN", "WB", "WQ", "WK", "WB", "WN", "WR"};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(lines[1 + k], blackRow[k]);   // lines 2..9
    EXPECT_EQ(lines[9 + k], "BP");          // lines 10..17
    EXPECT_EQ(lines[49 + k], "WP");         // lines 50..57
    EXPECT_EQ(lines[57 + k], whiteRow[k]);  // lines 58..65
  }
  // Rows 3 to 6 alternate, beginning with a dark square at row 3, column 1.
  for (int line = 18; line <= 49; ++line) {
    const int row = (line + 6) / 8;
    const int col = line + 7 - 8 * row;
    EXPECT_EQ(lines[line - 1], (row + col) % 2 == 0 ? "  " : "::") << "line " << line;
  }
  EXPECT_EQ(lines[17], "  ");
  EXPECT_EQ(lines[18], "::");
  for (int line = 66; line <= 75; ++line) EXPECT_EQ(lines[line - 1], " 0");
  EXPECT_EQ(lines[75], "W");
  EXPECT_EQ(lines[76], "-1");
  EXPECT_EQ(lines[77], "-1");
  EXPECT_EQ(lines[78], " 1");
  EXPECT_EQ(lines[79], " 0");
  for (int line = 81; line <= 84; ++line) EXPECT_EQ(lines[line - 1], " 1");
  EXPECT_EQ(lines[84], " 0");
  EXPECT_EQ(lines[85], " 0");
  for (int line = 87; line <= 116; ++line) EXPECT_EQ(lines[line - 1], "  ");
  EXPECT_EQ(lines[116], " 0");
  EXPECT_EQ(lines[117], "EOF");
}

TEST(SnapshotSave, FieldsGoToTheirLines) {
  TempWorkDir dir;
  GameState g = NewGameState();
  g.CheckState(1, 1) = -9;  // direct check by a Black queen from (4, 8) on the king at (8, 5)
  g.CheckState(1, 2) = 4;
  g.CheckState(1, 3) = 8;
  g.CheckState(1, 4) = 8;
  g.CheckState(1, 5) = 5;
  g.CheckState(2, 1) = -4;  // discovered check by a Black bishop from (5, 1) on (8, 4)
  g.CheckState(2, 2) = 5;
  g.CheckState(2, 3) = 1;
  g.CheckState(2, 4) = 8;
  g.CheckState(2, 5) = 4;
  g.PlayerLetter = "B";
  g.LastMoverSide = 1;
  g.ComputerSide = 1;
  g.MoveNumber = 17;
  g.Points = -6;
  g.BlackQueenSideOK = 0;
  g.WhiteKingSideOK = 0;
  g.ComputerCaptureCount = 2;
  g.ComputerCaptures[1] = "BP";
  g.ComputerCaptures[2] = "BN";
  g.PlayerCaptureCount = 1;
  g.PlayerCaptures[1] = "WQ";
  g.ElapsedMinutes = 42;
  ASSERT_TRUE(SaveSnapshot(g));
  const auto lines = CrLfLines(ReadFile(kSnapshotFileName));
  ASSERT_EQ(lines.size(), 118u);
  const std::vector<std::string> checks = {"-9", "-4", " 4", " 5", " 8", " 1", " 8", " 8", " 5", " 4"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(lines[65 + i], checks[i]) << "line " << 66 + i;
  EXPECT_EQ(lines[75], "B");
  EXPECT_EQ(lines[76], " 1");
  EXPECT_EQ(lines[77], " 1");
  EXPECT_EQ(lines[78], " 17");
  EXPECT_EQ(lines[79], "-6");
  EXPECT_EQ(lines[80], " 0");  // Black, rook of column 1
  EXPECT_EQ(lines[81], " 1");
  EXPECT_EQ(lines[82], " 1");
  EXPECT_EQ(lines[83], " 0");  // White, rook of column 8
  EXPECT_EQ(lines[84], " 2");
  EXPECT_EQ(lines[85], " 1");
  EXPECT_EQ(lines[86], "BP");  // computer slot 1
  EXPECT_EQ(lines[87], "WQ");  // player slot 1
  EXPECT_EQ(lines[88], "BN");  // computer slot 2
  EXPECT_EQ(lines[89], "  ");
  EXPECT_EQ(lines[116], " 42");
}

TEST(SnapshotSave, SecondSaveReplacesTheFirstCompletely) {
  TempWorkDir dir;
  GameState g = NewGameState();
  g.MoveNumber = 30;
  ASSERT_TRUE(SaveSnapshot(g));
  g.MoveNumber = 2;
  ASSERT_TRUE(SaveSnapshot(g));
  const auto lines = CrLfLines(ReadFile(kSnapshotFileName));
  ASSERT_EQ(lines.size(), 118u);
  EXPECT_EQ(lines[78], " 2");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(SnapshotLoad, SaveThenLoadRestoresTheFields) {
  TempWorkDir dir;
  VirtualConsole con;
  GameState saved = NewGameState();
  saved.SquareText(7, 5) = "::";
  saved.SquareText(5, 5) = "WP";
  saved.SquareText(2, 4) = "  ";
  saved.CheckState(2, 1) = 5;
  saved.CheckState(2, 2) = 1;
  saved.CheckState(2, 3) = 1;
  saved.CheckState(2, 4) = 1;
  saved.CheckState(2, 5) = 5;
  saved.PlayerLetter = "B";
  saved.LastMoverSide = -3;  // the code of the piece that moved last: a Black knight
  saved.ComputerSide = 1;
  saved.MoveNumber = 12;
  saved.Points = 3;
  saved.WhiteQueenSideOK = 0;
  saved.BlackKingSideOK = 0;
  saved.PlayerCaptureCount = 1;
  saved.PlayerCaptures[1] = "WN";
  saved.ComputerCaptureCount = 2;
  saved.ComputerCaptures[1] = "BP";
  saved.ComputerCaptures[2] = "BB";
  saved.ElapsedMinutes = 25;
  ASSERT_TRUE(SaveSnapshot(saved));

  GameState g = NewGameState();
  g.Level = 6;
  g.Voice = "SPA";
  g.HistoryCount = 9;
  g.StartTime = 123.0;
  g.GameBoard(4, 4) = kQueen;
  const Board boardBefore = g.GameBoard;
  ASSERT_EQ(LoadSnapshot(con, g), LoadResult::Loaded);

  EXPECT_EQ(g.SquareText, saved.SquareText);
  EXPECT_EQ(g.SquareText(2, 4), "  ");  // a dark square of two blanks is not trimmed
  EXPECT_EQ(g.CheckState, saved.CheckState);
  EXPECT_EQ(g.PlayerLetter, "B");
  EXPECT_EQ(g.LastMoverSide, -3);
  EXPECT_EQ(g.ComputerSide, 1);
  EXPECT_EQ(g.MoveNumber, 12);
  EXPECT_EQ(g.Points, 3);
  EXPECT_EQ(g.BlackQueenSideOK, 1);
  EXPECT_EQ(g.WhiteQueenSideOK, 0);
  EXPECT_EQ(g.BlackKingSideOK, 0);
  EXPECT_EQ(g.WhiteKingSideOK, 1);
  EXPECT_EQ(g.PlayerCaptures, saved.PlayerCaptures);
  EXPECT_EQ(g.ComputerCaptures, saved.ComputerCaptures);
  EXPECT_EQ(g.PlayerCaptureCount, 1);
  EXPECT_EQ(g.ComputerCaptureCount, 2);
  EXPECT_EQ(g.ElapsedMinutes, 25);
  // The board, the history, the clock origin, the level and the voice are
  // the LOAD command's business or not in the file at all.
  EXPECT_EQ(g.GameBoard, boardBefore);
  EXPECT_EQ(g.HistoryCount, 9);
  EXPECT_EQ(g.StartTime, 123.0);
  EXPECT_EQ(g.Level, 6);
  EXPECT_EQ(g.Voice, "SPA");
}

TEST(SnapshotLoad, MissingFileSaysSoAndChangesNothing) {
  TempWorkDir dir;
  VirtualConsole con;
  GameState g = NewGameState();
  g.MoveNumber = 8;
  g.SquareText(1, 1) = "::";
  ASSERT_EQ(LoadSnapshot(con, g), LoadResult::Missing);
  EXPECT_EQ(con.textAt(23, 1, 34), "  Cannot find or Open BDVXSNAP.TXT");
  EXPECT_EQ(con.textAt(23, 35, 1), " ");
  EXPECT_EQ(g.MoveNumber, 8);
  EXPECT_EQ(g.SquareText(1, 1), "::");
}

TEST(SnapshotLoad, ReadsFilesWithPlainLineFeedsAndLenientNumbers) {
  TempWorkDir dir;
  VirtualConsole con;
  ASSERT_TRUE(SaveSnapshot(NewGameState()));
  auto lines = CrLfLines(ReadFile(kSnapshotFileName));
  lines[78] = "   +21 moves";  // blanks, a sign, and text after the number
  lines[79] = "-3x";           // reading stops at the first other character
  lines[80] = "";              // no number at all gives 0
  lines.pop_back();            // without "EOF" the file still holds every value
  test::WriteLines(kSnapshotFileName, lines, "\n");

  GameState g = NewGameState();
  ASSERT_EQ(LoadSnapshot(con, g), LoadResult::Loaded);
  EXPECT_EQ(g.MoveNumber, 21);
  EXPECT_EQ(g.Points, -3);
  EXPECT_EQ(g.BlackQueenSideOK, 0);
  EXPECT_EQ(g.SquareText(3, 1), "  ");
  EXPECT_EQ(g.SquareText(8, 5), "WK");
}

TEST(SnapshotLoad, BoardWithoutKingOrUnknownTextsIsLeftToTheLoadCommand) {
  TempWorkDir dir;
  VirtualConsole con;
  GameState saved = NewGameState();
  saved.SquareText(1, 5) = "::";  // no Black king
  saved.SquareText(4, 4) = "ZZ";  // names no piece: an empty square once rebuilt
  ASSERT_TRUE(SaveSnapshot(saved));
  GameState g = NewGameState();
  ASSERT_EQ(LoadSnapshot(con, g), LoadResult::Loaded);
  EXPECT_EQ(g.SquareText(1, 5), "::");
  EXPECT_EQ(g.SquareText(4, 4), "ZZ");
}

}  // namespace
}  // namespace bdvx
