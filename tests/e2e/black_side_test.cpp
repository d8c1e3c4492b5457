// Playing Black: the board turned with the computer's White pieces at the
// top, the computer moving first, and clicks mapped to the turned squares.
#include <gtest/gtest.h>

#include "game_steps.h"
#include "record_files.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

TEST(E2eBlackSide, TurnedBoardComputerFirstAndTurnedClicks) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  const std::string startDay = TodayText();
  GamePane pane("black");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'B', 0)) << pane.last();

  // The computer has made White's first move before the player's first prompt.
  PaneScreen screen = pane.screen();
  EXPECT_EQ(screen.row(20), FirstStatusLine(1, 0));
  ShownMove opening;
  ASSERT_TRUE(ParseMoveLine(screen.row(2), opening)) << screen.text();
  EXPECT_EQ(opening.side, "WHITE");
  EXPECT_TRUE(screen.row(9).starts_with("            ---8--7--6--5--4--3--2--1--    ")) << screen.row(9);
  EXPECT_EQ(screen.row(18), "            ---8--7--6--5--4--3--2--1--    CANCEL  HINT");
  for (int n = 1; n <= 8; ++n) {
    const std::string label = std::to_string(9 - n);
    EXPECT_TRUE(screen.row(9 + n).starts_with("          " + label + ":")) << screen.row(9 + n);
    EXPECT_TRUE(screen.row(9 + n).ends_with(" : " + label)) << screen.row(9 + n);
  }
  // Black's home row at the bottom, read from column 8 to column 1.
  EXPECT_EQ(screen.row(17), "          1:  BR BN BB BK BQ BB BN BR : 1");
  EXPECT_EQ(screen.row(16), "          2:  BP BP BP BP BP BP BP BP : 2");

  // The computer's move has settled in White's colours on the turned square.
  {
    const PaneColors colors = pane.colors();
    int row = 0;
    int col = 0;
    SquareOnScreen(opening.toRow, opening.toCol, kComputerWhite, row, col);
    EXPECT_EQ(colors.text(row, col, 2), PieceText(opening));
    EXPECT_EQ(colors.cell(row, col).fg, kTermWhite);
    EXPECT_EQ(colors.cell(row, col).bg, kTermLightBlue);
    SquareOnScreen(opening.fromRow, opening.fromCol, kComputerWhite, row, col);
    EXPECT_EQ(colors.text(row, col, 2), (opening.fromRow + opening.fromCol) % 2 == 1 ? "::" : "  ");
  }

  // Row 16, column 27 is square (2, 4) on the turned board; row 14, column 28
  // is (4, 4).
  ASSERT_TRUE(pane.clickReady(16, 27)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  BP 24")) << pane.last();
  ASSERT_TRUE(pane.clickReady(14, 28)) << pane.last();
  ASSERT_TRUE(pane.waitRowStarts(20, "  Move: 2.")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(2), " BLACK PAWN   At ( 2 4) Moved To ( 4 4)");
  ShownMove reply;
  ASSERT_TRUE(ParseMoveLine(screen.row(3), reply)) << screen.text();
  EXPECT_EQ(reply.side, "WHITE");
  EXPECT_EQ(screen.row(16).substr(26, 2), "  ");
  if (reply.toRow != 4 || reply.toCol != 4) {
    EXPECT_EQ(screen.row(14).substr(26, 2), "BP");
  }

  // EXIT: the transcript, the pause, no scorecard.
  ASSERT_TRUE(pane.clickReady(1, 60)) << pane.last();
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.last();
  const std::string transcript = TranscriptName(pane.dir(), startDay);
  ASSERT_NE(transcript, "") << ::testing::PrintToString(FileNames(pane.dir()));
  EXPECT_EQ(pane.screen().row(23).substr(0, 36), "  Transcript: " + transcript.substr(0, 18) + ".txt");
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(pane.dir() / transcript), lines));
  ASSERT_EQ(lines.size(), 30u);
  EXPECT_EQ(lines[20], "  BP- Q4   (from  Q2)   2");
  EXPECT_EQ(lines[22], "  USEREXIT");
  EXPECT_EQ(lines[26], "  BLACK PAWN   at (24) moved to (44)   2");
  pane.typeLine("");
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "0");
  EXPECT_FALSE(std::filesystem::exists(pane.dir() / "BDVXSCORES.TXT"));
  EXPECT_EQ(pane.modesBefore(), pane.modesAfter());
}

}  // namespace
}  // namespace bdvx::e2e
