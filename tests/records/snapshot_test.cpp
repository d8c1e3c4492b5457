#include "records_fixture.h"

namespace bdvx::test {
namespace {

// Saves the game and returns the snapshot's lines; there must be 118.
std::vector<std::string> SaveAndRead(const GameState& g) {
  EXPECT_TRUE(SaveSnapshot(g));
  auto lines = CrLfLines(ReadFile(kSnapshotFileName));
  EXPECT_EQ(lines.size(), 118u);
  lines.resize(118);
  return lines;
}

using SnapshotSave = RecordsTest;
using SnapshotLoad = RecordsTest;

TEST_F(SnapshotSave, StartingPositionGivesTheListedLines) {
  const auto lines = SaveAndRead(NewGameState());
  EXPECT_EQ(lines[0].rfind("BRANDOVEX GAME SNAPSHOT", 0), 0u);

  std::vector<std::string> want = {"BR", "BN", "BB", "BQ", "BK", "BB", "BN", "BR"};
  const auto add = [&want](int count, const char* text) { want.insert(want.end(), count, text); };
  add(8, "BP");
  // Rows 3 to 6 alternate, beginning with a dark square ("  ") at row 3, column 1.
  for (int row = 3; row <= 6; ++row) {
    for (int col = 1; col <= 8; ++col) add(1, (row + col) % 2 == 0 ? "  " : "::");
  }
  add(8, "WP");
  want.insert(want.end(), {"WR", "WN", "WB", "WQ", "WK", "WB", "WN", "WR"});
  add(10, " 0");  // both check records empty
  want.insert(want.end(), {"W", "-1", "-1", " 1", " 0", " 1", " 1", " 1", " 1", " 0", " 0"});
  add(30, "  ");  // the capture slots
  want.insert(want.end(), {" 0", "EOF"});
  ExpectLinesAt(lines, 2, want);
}

TEST_F(SnapshotSave, FieldsGoToTheirLines) {
  GameState g = NewGameState();
  g.SquareText(4, 8) = "BQ";
  g.SquareText(5, 1) = "BB";
  SetCheck(g, 1, {-9, 4, 8, 8, 5});  // direct check by a Black queen from (4, 8) on (8, 5)
  SetCheck(g, 2, {-4, 5, 1, 8, 5});  // discovered check by a Black bishop from (5, 1)
  g.PlayerLetter = "B";
  g.LastMoverSide = 1;
  g.ComputerSide = 1;
  g.MoveNumber = 17;
  g.Points = -6;
  g.BlackQueenSideOK = 0;
  g.WhiteKingSideOK = 0;
  SetCaptures(g.ComputerCaptures, g.ComputerCaptureCount, {"BP", "BN"});
  SetCaptures(g.PlayerCaptures, g.PlayerCaptureCount, {"WQ"});
  g.ElapsedMinutes = 42;
  const auto lines = SaveAndRead(g);
  // The two check records go column by column, then the counters; the
  // castling flags start with Black's column 1 and end with White's column 8;
  // the capture slots alternate computer, player.
  ExpectLinesAt(lines, 66,
                {"-9", "-4", " 4", " 5", " 8", " 1", " 8", " 8", " 5", " 5", "B", " 1", " 1",
                 " 17", "-6", " 0", " 1", " 1", " 0", " 2", " 1", "BP", "WQ", "BN", "  "});
  EXPECT_EQ(lines[116], " 42");
}

TEST_F(SnapshotSave, SecondSaveReplacesTheFirstCompletely) {
  GameState g = NewGameState();
  g.MoveNumber = 30;
  ASSERT_TRUE(SaveSnapshot(g));
  g.MoveNumber = 2;
  EXPECT_EQ(SaveAndRead(g)[78], " 2");
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST_F(SnapshotLoad, SaveThenLoadRestoresTheFields) {
  GameState saved = NewGameState();
  saved.SquareText(7, 5) = "::";
  saved.SquareText(5, 5) = "WP";
  saved.SquareText(2, 4) = "  ";
  saved.SquareText(1, 1) = "WR";
  SetCheck(saved, 2, {5, 1, 1, 1, 5});
  saved.PlayerLetter = "B";
  saved.LastMoverSide = -3;  // the code of the piece that moved last: a Black knight
  saved.ComputerSide = 1;
  saved.MoveNumber = 12;
  saved.Points = 3;
  saved.WhiteQueenSideOK = 0;
  saved.BlackKingSideOK = 0;
  SetCaptures(saved.PlayerCaptures, saved.PlayerCaptureCount, {"WN"});
  SetCaptures(saved.ComputerCaptures, saved.ComputerCaptureCount, {"BP", "BB"});
  saved.ElapsedMinutes = 25;
  ASSERT_TRUE(SaveSnapshot(saved));
  const auto lines = CrLfLines(ReadFile(kSnapshotFileName));
  ASSERT_GE(lines.size(), 77u);
  EXPECT_EQ(lines[76], "-1");  // line 77: the side, not the knight's code
  saved.LastMoverSide = -1;  // the file keeps only the side that moved last

  GameState g = NewGameState();
  g.Level = 6;
  g.Voice = "SPA";
  g.HistoryCount = 9;
  g.StartTime = 123.0;
  g.GameBoard(4, 4) = kQueen;
  const Board boardBefore = g.GameBoard;
  ASSERT_EQ(LoadSnapshot(g).result, LoadResult::Loaded);

  ExpectSameSnapshotFields(g, saved);
  EXPECT_EQ(g.SquareText(2, 4), "  ");  // a dark square of two blanks is not trimmed
  EXPECT_EQ(CastlingFlags(g), (std::array<int, 4>{1, 0, 0, 1}));
  // The board, the history, the clock origin, the level and the voice are
  // the LOAD command's business or not in the file at all.
  EXPECT_EQ(g.GameBoard, boardBefore);
  EXPECT_EQ(std::tuple(g.HistoryCount, g.StartTime, g.Level, g.Voice),
            std::tuple(9, 123.0, 6, "SPA"));
}

TEST_F(SnapshotLoad, MissingFileSaysSoAndChangesNothing) {
  GameState g = NewGameState();
  g.MoveNumber = 8;
  g.SquareText(1, 1) = "::";
  ASSERT_FALSE(LoadGameSnapshot(g, con));
  EXPECT_EQ(con.textAt(23, 1, 35), "  Cannot find or Open BDVXSNAP.TXT ");
  EXPECT_EQ(g.MoveNumber, 8);
  EXPECT_EQ(g.SquareText(1, 1), "::");
}

TEST_F(SnapshotLoad, ReadsFilesWithPlainLineFeedsAndLenientNumbers) {
  auto lines = SaveAndRead(NewGameState());
  lines[78] = "   +21 moves";  // blanks, a sign, and text after the number
  lines[79] = "-3x";           // reading stops at the first other character
  lines[80] = "";              // no number at all gives 0
  lines.pop_back();            // without "EOF" the file still holds every value
  WriteLines(kSnapshotFileName, lines, "\n");
  const GameState g = LoadedGame();
  EXPECT_EQ(std::tuple(g.MoveNumber, g.Points, g.BlackQueenSideOK), std::tuple(21, -3, 0));
  EXPECT_EQ(g.SquareText(3, 1), "  ");
  EXPECT_EQ(g.SquareText(8, 5), "WK");
}

}  // namespace
}  // namespace bdvx::test
