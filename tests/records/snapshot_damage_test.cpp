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

// The lines of a sound snapshot of a game in progress, without line ends.
std::vector<std::string> SoundLines() {
  GameState g = NewGameState();
  g.CheckState(1, 1) = 3;
  g.CheckState(1, 2) = 3;
  g.CheckState(1, 3) = 4;
  g.CheckState(1, 4) = 1;
  g.CheckState(1, 5) = 5;
  g.ComputerCaptureCount = 1;
  g.ComputerCaptures[1] = "BP";
  EXPECT_TRUE(SaveSnapshot(g));
  return CrLfLines(ReadFile(kSnapshotFileName));
}

// Loads lines written as a file into a fresh game; expects a refusal naming
// the line and no field changed.
void ExpectRefused(const std::vector<std::string>& lines, int badLine,
                   const std::string& lineEnd = "\r\n") {
  test::WriteLines(kSnapshotFileName, lines, lineEnd);
  VirtualConsole con;
  con.locate(23, 1);
  con.print(std::string(79, 'x'));  // an older message on the row
  GameState g = NewGameState();
  g.MoveNumber = 5;
  g.Points = 2;
  g.ElapsedMinutes = 3;
  const GameState before = g;

  EXPECT_EQ(LoadSnapshot(con, g), LoadResult::Refused);
  const std::string message = "  Snapshot BDVXSNAP.TXT is damaged: line " + std::to_string(badLine);
  EXPECT_EQ(con.rowText(23), message + std::string(80 - message.size(), ' '));

  EXPECT_EQ(g.SquareText, before.SquareText);
  EXPECT_EQ(g.CheckState, before.CheckState);
  EXPECT_EQ(g.PlayerCaptures, before.PlayerCaptures);
  EXPECT_EQ(g.ComputerCaptures, before.ComputerCaptures);
  EXPECT_EQ(g.PlayerCaptureCount, before.PlayerCaptureCount);
  EXPECT_EQ(g.ComputerCaptureCount, before.ComputerCaptureCount);
  EXPECT_EQ(g.PlayerLetter, before.PlayerLetter);
  EXPECT_EQ(g.LastMoverSide, before.LastMoverSide);
  EXPECT_EQ(g.ComputerSide, before.ComputerSide);
  EXPECT_EQ(g.MoveNumber, 5);
  EXPECT_EQ(g.Points, 2);
  EXPECT_EQ(g.ElapsedMinutes, 3);
  EXPECT_EQ(g.BlackQueenSideOK + g.WhiteQueenSideOK + g.BlackKingSideOK + g.WhiteKingSideOK, 4);
}

// The sound lines with one line replaced.
std::vector<std::string> WithLine(int line, const std::string& text) {
  auto lines = SoundLines();
  lines[static_cast<std::size_t>(line - 1)] = text;
  return lines;
}

TEST(SnapshotDamage, FileCutShortIsRefusedAtTheFirstMissingLine) {
  TempWorkDir dir;
  const auto lines = SoundLines();
  for (int kept : {0, 1, 40, 76, 86, 116}) {
    SCOPED_TRACE(kept);
    ExpectRefused({lines.begin(), lines.begin() + kept}, kept + 1);
  }
  // Cut inside line 117: the minutes are there, only the line end is missing.
  test::WriteLines(kSnapshotFileName, {lines.begin(), lines.begin() + 116});
  FILE* file = std::fopen(kSnapshotFileName.c_str(), "ab");
  std::fputs(" 0", file);
  std::fclose(file);
  VirtualConsole con;
  GameState g = NewGameState();
  EXPECT_EQ(LoadSnapshot(con, g), LoadResult::Loaded);
}

TEST(SnapshotDamage, SidesColourAndCastlingMustBeTheirFewValues) {
  TempWorkDir dir;
  ExpectRefused(WithLine(76, "X"), 76);
  ExpectRefused(WithLine(76, "W "), 76);
  ExpectRefused(WithLine(76, ""), 76);
  ExpectRefused(WithLine(77, " 0"), 77);
  ExpectRefused(WithLine(77, " 2"), 77);
  ExpectRefused(WithLine(78, "garbage"), 78);  // no number reads as 0
  ExpectRefused(WithLine(78, "-7"), 78);
  for (int line = 81; line <= 84; ++line) {
    ExpectRefused(WithLine(line, " 2"), line);
    ExpectRefused(WithLine(line, "-1"), line);
  }
}

TEST(SnapshotDamage, CaptureCountsMustFitTheLists) {
  TempWorkDir dir;
  ExpectRefused(WithLine(85, " 16"), 85);
  ExpectRefused(WithLine(86, "-1"), 86);
  ExpectRefused(WithLine(86, " 99999999999999999999"), 86);
}

TEST(SnapshotDamage, CheckRecordsNameAPieceOnTheBoard) {
  TempWorkDir dir;
  ExpectRefused(WithLine(66, " 2"), 66);   // magnitude 2 names no piece
  ExpectRefused(WithLine(67, "-99"), 67);
  ExpectRefused(WithLine(68, " 9"), 68);   // checking piece off the board
  ExpectRefused(WithLine(74, " 0"), 74);   // king's column off the board
  // An empty record's squares are not looked at.
  test::WriteLines(kSnapshotFileName, WithLine(69, " 42"));
  VirtualConsole con;
  GameState g = NewGameState();
  EXPECT_EQ(LoadSnapshot(con, g), LoadResult::Loaded);
  EXPECT_EQ(g.CheckState(2, 2), 42);
  EXPECT_EQ(g.CheckState(1, 1), 3);
}

TEST(SnapshotDamage, TextsMustBeTwoPlainCharacters) {
  TempWorkDir dir;
  ExpectRefused(WithLine(2, "B"), 2);
  ExpectRefused(WithLine(30, "WPX"), 30);
  ExpectRefused(WithLine(65, ""), 65);
  ExpectRefused(WithLine(87, "B"), 87);
  ExpectRefused(WithLine(116, "   "), 116);
}

TEST(SnapshotDamage, NumbersBeyondAnyGameAreRefused) {
  TempWorkDir dir;
  ExpectRefused(WithLine(79, " 2147483648"), 79);
  ExpectRefused(WithLine(80, "-1000001"), 80);
  ExpectRefused(WithLine(117, "-1"), 117);
  ExpectRefused(WithLine(117, " 40000000"), 117);
}

TEST(SnapshotDamage, FirstDamagedLineIsNamedAlsoWithLineFeeds) {
  TempWorkDir dir;
  auto lines = WithLine(100, "?");
  lines[84] = " 20";
  ExpectRefused(lines, 85, "\n");
}

TEST(SnapshotDamage, EscapeSequencesNeverReachTheScreen) {
  TempWorkDir dir;
  // In a capture slot, which the board display would print.
  ExpectRefused(WithLine(88, "\x1b["), 88);
  ExpectRefused(WithLine(20, "\x07\x07"), 20);
  ExpectRefused(WithLine(90, "\xc3\xa9"), 90);
  // In the header, which is never shown: the load goes on.
  auto lines = SoundLines();
  lines[0] = "\x1b]0;title\x07\x1b[2J";
  test::WriteLines(kSnapshotFileName, lines);
  VirtualConsole con;
  GameState g = NewGameState();
  EXPECT_EQ(LoadSnapshot(con, g), LoadResult::Loaded);
  for (int row = 1; row <= 24; ++row) EXPECT_EQ(con.rowText(row).find('?'), std::string::npos);
}

TEST(SnapshotDamage, OverlongLineIsRefusedWithoutReadingOn) {
  TempWorkDir dir;
  ExpectRefused(WithLine(1, std::string(100000, 'A')), 1);
  ExpectRefused(WithLine(79, " 5" + std::string(5000, ' ')), 79);
}

TEST(SnapshotDamage, SomethingOtherThanAFileCannotBeOpened) {
  TempWorkDir dir;
  std::filesystem::create_directory(kSnapshotFileName);
  VirtualConsole con;
  GameState g = NewGameState();
  EXPECT_EQ(LoadSnapshot(con, g), LoadResult::Missing);
  EXPECT_EQ(con.textAt(23, 1, 34), "  Cannot find or Open BDVXSNAP.TXT");
}

TEST(SnapshotDamage, SaveRefusesToWriteWhatCouldNotBeLoaded) {
  TempWorkDir dir;
  GameState g = NewGameState();
  ASSERT_TRUE(SaveSnapshot(g));
  const std::string earlier = ReadFile(kSnapshotFileName);
  g.PlayerCaptures[3] = "";  // a slot that was never filled in
  EXPECT_FALSE(SaveSnapshot(g));
  EXPECT_EQ(ReadFile(kSnapshotFileName), earlier);
}

}  // namespace
}  // namespace bdvx
