#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "records/transcript.h"
#include "records_fixture.h"

namespace bdvx {
namespace {

using test::CrLfLines;
using test::NewGameState;
using test::ReadFile;
using test::TempWorkDir;

// Records half-move i as the history of the move execution does.
void RecordMove(GameState& g, int i, const std::string& code2, const std::string& pieceWords,
                const std::string& fromDescriptive, const std::string& fromDigits,
                const std::string& toDescriptive, const std::string& toDigits) {
  g.HistPiece(i, kDescriptive) = code2;
  g.HistPiece(i, kRowCol) = pieceWords;
  g.HistFrom(i, kDescriptive) = fromDescriptive;
  g.HistFrom(i, kRowCol) = fromDigits;
  g.HistTo(i, kDescriptive) = toDescriptive;
  g.HistTo(i, kRowCol) = toDigits;
  g.HistoryCount = i;
}

std::vector<std::string> WriteAndRead(VirtualConsole& con, const GameState& g,
                                      const std::string& reason) {
  EXPECT_TRUE(WriteTranscript(con, g.SquareText, g.HistoryCount, g.HistPiece, g.HistFrom,
                              g.HistTo, g.ElapsedMinutes, reason));
  return CrLfLines(ReadFile(TranscriptFileName(con)));
}

TEST(Transcript, FileNameCarriesTheConsoleDate) {
  VirtualConsole con;
  con.setDate("12-05-2026");
  EXPECT_EQ(TranscriptFileName(con), "BDVXHIST12-05-2026.TXT");
}

TEST(Transcript, EmptyHistoryGivesTheOpeningAndTwoClosedLists) {
  TempWorkDir dir;
  VirtualConsole con;
  con.setDate("12-05-2026");
  con.setTime("09:08:07");
  GameState g = NewGameState();
  g.ElapsedMinutes = 7;
  const auto lines = WriteAndRead(con, g, kReasonCheckmate);

  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0].rfind("BRANDOVEX REGISTER", 0), 0u);
  EXPECT_EQ(lines[1], " ");
  EXPECT_EQ(lines[2], "  BOARD POSITIONS AT: 12-05-2026  09:08:07");
  EXPECT_EQ(lines[3], " ");
  EXPECT_EQ(lines[4], "         Game Length: 7 minutes.");
  EXPECT_EQ(lines[5], " ");
  EXPECT_EQ(lines[6], "        a  b  c  d  e  f  g  h");
  EXPECT_EQ(lines[7], "        1  2  3  4  5  6  7  8");
  EXPECT_EQ(lines[16], "        1  2  3  4  5  6  7  8");
  EXPECT_EQ(lines[17], "        a  b  c  d  e  f  g  h");
  EXPECT_EQ(lines[18], " ");
  EXPECT_EQ(lines[19], "  CHECKMATE");
  EXPECT_EQ(lines[20], "********* END OF MOVE HISTORY (DESCRIPTIVE FORM) ****************");
  EXPECT_EQ(lines[21], " ");
  EXPECT_EQ(lines[22], "  CHECKMATE");
  EXPECT_EQ(lines[23], "********* END OF MOVE HISTORY (ARRAY FORMAT) ****************");
}

TEST(Transcript, StartingPositionRowsStandUnderTheLetters) {
  TempWorkDir dir;
  VirtualConsole con;
  const auto lines = WriteAndRead(con, NewGameState(), kReasonDraw);
  ASSERT_GE(lines.size(), 19u);
  EXPECT_EQ(lines[8], "  1 *** BR BN BB BQ BK BB BN BR ***  1");
  EXPECT_EQ(lines[9], "  2 *** BP BP BP BP BP BP BP BP ***  2");
  EXPECT_EQ(lines[10], "  3 ***    ::    ::    ::    :: ***  3");
  EXPECT_EQ(lines[11], "  4 *** ::    ::    ::    ::    ***  4");
  EXPECT_EQ(lines[15], "  8 *** WR WN WB WQ WK WB WN WR ***  8");
  // The square texts start at character 9 and follow every three characters.
  for (int col = 0; col < 8; ++col) {
    EXPECT_EQ(lines[15][8 + 3 * col], 'W');
    EXPECT_EQ(lines[6][8 + 3 * col], 'a' + col);
  }
}

TEST(Transcript, MovesInBothFormsWithTheirNumbers) {
  TempWorkDir dir;
  VirtualConsole con;
  GameState g = NewGameState();
  RecordMove(g, 1, "WP", "WHITE PAWN  ", " K2", "75", " K4", "55");
  RecordMove(g, 2, "BN", "BLACK KNIGHT", "QN1", "12", "QB3", "33");
  const auto lines = WriteAndRead(con, g, kReasonResigned);

  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[19], "  WP- K4   (from  K2)   1");
  EXPECT_EQ(lines[20], "  BN-QB3   (from QN1)   2");
  EXPECT_EQ(lines[21], "  RESIGNED ");
  EXPECT_EQ(lines[23], " ");
  EXPECT_EQ(lines[24], "  WHITE PAWN   at (75) moved to (55)   1");
  EXPECT_EQ(lines[25], "  BLACK KNIGHT at (12) moved to (33)   2");
  EXPECT_EQ(lines[26], "  RESIGNED ");
}

TEST(Transcript, UserExitReasonHasTwoLeadingBlanks) {
  TempWorkDir dir;
  VirtualConsole con;
  const auto lines = WriteAndRead(con, NewGameState(), kReasonUserExit);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[19], "  USEREXIT");
  EXPECT_EQ(lines[22], "  USEREXIT");
}

TEST(Transcript, SecondWriteOfTheDayReplacesTheFirst) {
  TempWorkDir dir;
  VirtualConsole con;
  GameState g = NewGameState();
  RecordMove(g, 1, "WP", "WHITE PAWN  ", " K2", "75", " K4", "55");
  WriteAndRead(con, g, kReasonSnapshot);
  g.HistoryCount = 0;
  const auto lines = WriteAndRead(con, g, kReasonUserExit);
  EXPECT_EQ(lines.size(), 24u);
  // Only the day's file is left: no temporary beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace bdvx
