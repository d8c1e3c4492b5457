#include "records_fixture.h"

namespace bdvx::test {
namespace {

// The lines of a sound snapshot of a game in progress, without line ends: a
// White knight on (3, 4) gives check to the Black king on (1, 5).
std::vector<std::string> SoundLines() {
  GameState g = NewGameState();
  g.SquareText(3, 4) = "WN";
  SetCheck(g, 1, {3, 3, 4, 1, 5});
  SetCaptures(g.ComputerCaptures, g.ComputerCaptureCount, {"BP"});
  EXPECT_TRUE(SaveSnapshot(g));
  return CrLfLines(ReadFile(kSnapshotFileName));
}

// The sound lines with one line (numbered from 1) replaced.
std::vector<std::string> WithLine(int line, const std::string& text) {
  auto lines = SoundLines();
  lines[static_cast<std::size_t>(line - 1)] = text;
  return lines;
}

// Loads lines written as a file into a game; expects a refusal naming the
// damage ("line 42"), in place of an older message on row 23, and no field
// changed.
void ExpectRefused(const std::vector<std::string>& lines, const std::string& damage,
                   const std::string& lineEnd = "\r\n") {
  WriteLines(kSnapshotFileName, lines, lineEnd);
  VirtualConsole con;
  con.locate(23, 1);
  con.print(std::string(79, 'x'));
  GameState g = NewGameState();
  std::tie(g.MoveNumber, g.Points, g.ElapsedMinutes) = std::tuple(5, 2, 3);  // not the file's
  const GameState before = g;

  EXPECT_FALSE(LoadGameSnapshot(g, con));
  const std::string message = "  Snapshot BDVXSNAP.TXT is damaged: " + damage;
  EXPECT_EQ(con.rowText(23), message + std::string(80 - message.size(), ' '));
  ExpectSameSnapshotFields(g, before);
  EXPECT_EQ(CastlingFlags(g), (std::array<int, 4>{1, 1, 1, 1}));
}

void ExpectRefused(const std::vector<std::string>& lines, int badLine,
                   const std::string& lineEnd = "\r\n") {
  ExpectRefused(lines, "line " + std::to_string(badLine), lineEnd);
}

// Each case replaces one line of a sound file; the load names that line.
void ExpectEachRefused(const std::vector<std::pair<int, std::string>>& cases) {
  for (const auto& [line, text] : cases) {
    SCOPED_TRACE(testing::Message() << "line " << line << " \"" << text.substr(0, 20) << '"');
    ExpectRefused(WithLine(line, text), line);
  }
}

using SnapshotDamage = RecordsTest;

TEST_F(SnapshotDamage, FileCutShortIsRefusedAtTheFirstMissingLine) {
  const auto lines = SoundLines();
  for (int kept : {0, 1, 40, 76, 86, 116}) {
    SCOPED_TRACE(kept);
    ExpectRefused({lines.begin(), lines.begin() + kept}, kept + 1);
  }
  // Cut inside line 117: the minutes are there, only the line end is missing.
  WriteLines(kSnapshotFileName, {lines.begin(), lines.begin() + 116});
  std::ofstream(kSnapshotFileName, std::ios::app | std::ios::binary) << " 0";
  LoadedGame();
}

TEST_F(SnapshotDamage, SidesColourAndCastlingMustBeTheirFewValues) {
  ExpectEachRefused({{76, "X"}, {76, "W "}, {76, ""}, {77, " 0"},
                     {78, "garbage"},  // no number reads as 0
                     {78, "-7"}});
  for (int line = 81; line <= 84; ++line) ExpectEachRefused({{line, " 2"}, {line, "-1"}});
}

TEST_F(SnapshotDamage, CaptureCountsMustFitTheLists) {
  ExpectEachRefused({{85, " 16"}, {86, "-1"}, {86, " 99999999999999999999"}});
}

TEST_F(SnapshotDamage, CheckRecordsNameAPieceOnTheBoard) {
  ExpectEachRefused({
      {66, " 2"},  // magnitude 2 names no piece
      {67, "-99"},
      {68, " 9"},  // checking piece off the board
      {74, " 0"},  // king's column off the board
  });
  // An empty record's squares are not looked at.
  WriteLines(kSnapshotFileName, WithLine(69, " 42"));
  const GameState g = LoadedGame();
  EXPECT_EQ(g.CheckState(2, 2), 42);
  EXPECT_EQ(g.CheckState(1, 1), 3);
}

TEST_F(SnapshotDamage, TextsMustBeTwoPlainCharacters) {
  ExpectEachRefused({{2, "B"}, {30, "WPX"}, {65, ""}, {87, "B"}, {116, "   "}});
}

TEST_F(SnapshotDamage, BoardCapturesAndChecksMustBeAGameThatCanGoOn) {
  const struct {
    int line;
    std::string text;
    std::string damage;
  } cases[] = {
      {20, "XX", "line 20"},  // no piece and no empty square
      {20, "br", "line 20"},  // piece texts are upper-case
      {21, ": ", "line 21"},
      {88, "XY", "line 88"},  // a captured piece that is no piece
      {88, "::", "line 88"},  // the light square's text is no empty slot
      {66, " 9", "line 66"},  // a queen checking from where the knight stands
      {66, "-3", "line 66"},  // a Black knight checking its own king
      {68, " 4", "line 66"},  // the checker's square is empty
      {72, " 8", "line 66"},  // the White king's square: no Black king to check there
      {62, "::", "no White king"},
      {62, "BK", "no White king"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "line " << c.line << " \"" << c.text << '"');
    ExpectRefused(WithLine(c.line, c.text), c.damage);
  }
  auto lines = WithLine(6, "::");  // the Black king gone, and with it the check
  lines[65] = " 0";
  ExpectRefused(lines, "no Black king");
}

TEST_F(SnapshotDamage, NumbersBeyondAnyGameAreRefused) {
  ExpectEachRefused({{79, " 2147483648"}, {80, "-1000001"}, {117, "-1"}, {117, " 40000000"}});
}

TEST_F(SnapshotDamage, FirstDamagedLineIsNamedAlsoWithLineFeeds) {
  auto lines = WithLine(100, "?");
  lines[84] = " 20";
  ExpectRefused(lines, 85, "\n");
}

TEST_F(SnapshotDamage, EscapeSequencesNeverReachTheScreen) {
  // In a capture slot, which the board display would print, or on the board.
  ExpectEachRefused({{88, "\x1b["}, {20, "\x07\x07"}, {90, "\xc3\xa9"}});
  // In the header, which is never shown: the load goes on.
  WriteLines(kSnapshotFileName, WithLine(1, "\x1b]0;title\x07\x1b[2J"));
  LoadedGame();
  for (int row = 1; row <= 24; ++row) EXPECT_EQ(con.rowText(row).find('?'), std::string::npos);
}

TEST_F(SnapshotDamage, OverlongLineIsRefusedWithoutReadingOn) {
  ExpectEachRefused({{1, std::string(100000, 'A')}, {79, " 5" + std::string(5000, ' ')}});
}

TEST_F(SnapshotDamage, SomethingOtherThanAFileCannotBeOpened) {
  std::filesystem::create_directory(kSnapshotFileName);
  GameState g = NewGameState();
  EXPECT_FALSE(LoadGameSnapshot(g, con));
  EXPECT_EQ(con.textAt(23, 1, 34), "  Cannot find or Open BDVXSNAP.TXT");
}

TEST_F(SnapshotDamage, SaveRefusesToWriteWhatCouldNotBeLoaded) {
  GameState g = NewGameState();
  ASSERT_TRUE(SaveSnapshot(g));
  const std::string earlier = ReadFile(kSnapshotFileName);
  g.PlayerCaptures[3] = "";  // a slot that was never filled in
  EXPECT_FALSE(SaveSnapshot(g));
  EXPECT_EQ(ReadFile(kSnapshotFileName), earlier);
}

}  // namespace
}  // namespace bdvx::test
