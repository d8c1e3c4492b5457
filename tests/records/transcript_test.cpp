#include "records_fixture.h"

namespace bdvx::test {
namespace {

// Records half-move i as the move execution does: piece, source and
// destination, each in descriptive form and then in the row-col form.
void RecordMove(GameState& g, int i, const std::array<std::string, 6>& texts) {
  HistoryTable* tables[] = {&g.HistPiece, &g.HistFrom, &g.HistTo};
  for (int k = 0; k < 6; ++k) (*tables[k / 2])(i, k % 2 == 0 ? kDescriptive : kRowCol) = texts[k];
  g.HistoryCount = i;
}

const std::array<std::string, 6> kPawnMove = {"WP", "WHITE PAWN  ", " K2", "75", " K4", "55"};

class Transcript : public RecordsTest {
 protected:
  // Writes the game's transcript and returns its lines.
  std::vector<std::string> WriteAndRead(const GameState& g, const std::string& reason) {
    EXPECT_TRUE(WriteTranscriptOf(con, g, reason));
    return CrLfLines(ReadFile(TranscriptFileName(con.dateString())));
  }
};

TEST_F(Transcript, FileNameCarriesTheConsoleDate) {
  con.setDate("12-05-2026");
  EXPECT_EQ(TranscriptFileName(con.dateString()), "BDVXHIST12-05-2026.TXT");
}

TEST_F(Transcript, EmptyHistoryGivesTheOpeningAndTwoClosedLists) {
  con.setDate("12-05-2026");
  con.setTime("09:08:07");
  GameState g = NewGameState();
  g.ElapsedMinutes = 7;
  const auto lines = WriteAndRead(g, kReasonCheckmate);

  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0].rfind("BRANDOVEX REGISTER", 0), 0u);
  ExpectLinesAt(lines, 2,
                {" ", "  BOARD POSITIONS AT: 12-05-2026  09:08:07", " ",
                 "         Game Length: 7 minutes.", " ", "        a  b  c  d  e  f  g  h",
                 "        1  2  3  4  5  6  7  8"});
  ExpectLinesAt(lines, 17,
                {"        1  2  3  4  5  6  7  8", "        a  b  c  d  e  f  g  h", " ",
                 "  CHECKMATE", "********* END OF MOVE HISTORY (DESCRIPTIVE FORM) ****************",
                 " ", "  CHECKMATE",
                 "********* END OF MOVE HISTORY (ARRAY FORMAT) ****************"});
}

TEST_F(Transcript, StartingPositionRowsStandUnderTheLetters) {
  const auto lines = WriteAndRead(NewGameState(), kReasonDraw);
  // The square texts start at character 9 and follow every three characters.
  ExpectLinesAt(lines, 7,
                {"        a  b  c  d  e  f  g  h", "        1  2  3  4  5  6  7  8",
                 "  1 *** BR BN BB BQ BK BB BN BR ***  1",
                 "  2 *** BP BP BP BP BP BP BP BP ***  2",
                 "  3 ***    ::    ::    ::    :: ***  3",
                 "  4 *** ::    ::    ::    ::    ***  4"});
  ExpectLinesAt(lines, 16, {"  8 *** WR WN WB WQ WK WB WN WR ***  8"});
}

TEST_F(Transcript, MovesInBothFormsWithTheirNumbers) {
  GameState g = NewGameState();
  RecordMove(g, 1, kPawnMove);
  RecordMove(g, 2, {"BN", "BLACK KNIGHT", "QN1", "12", "QB3", "33"});
  const auto lines = WriteAndRead(g, kReasonResigned);

  ASSERT_EQ(lines.size(), 28u);
  ExpectLinesAt(lines, 20,
                {"  WP- K4   (from  K2)   1", "  BN-QB3   (from QN1)   2", "  RESIGNED "});
  ExpectLinesAt(lines, 24,
                {" ", "  WHITE PAWN   at (75) moved to (55)   1",
                 "  BLACK KNIGHT at (12) moved to (33)   2", "  RESIGNED "});
}

TEST_F(Transcript, UserExitReasonHasTwoLeadingBlanks) {
  const auto lines = WriteAndRead(NewGameState(), kReasonUserExit);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[19], "  USEREXIT");
  EXPECT_EQ(lines[22], "  USEREXIT");
}

TEST_F(Transcript, SecondWriteOfTheDayReplacesTheFirst) {
  GameState g = NewGameState();
  RecordMove(g, 1, kPawnMove);
  WriteAndRead(g, kReasonSnapshot);
  g.HistoryCount = 0;
  EXPECT_EQ(WriteAndRead(g, kReasonUserExit).size(), 24u);
  EXPECT_EQ(CountEntries(dir.path()), 1);  // no temporary beside the day's file
}

}  // namespace
}  // namespace bdvx::test
