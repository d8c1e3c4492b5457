// A custom board typed through CREATE, from which the player on White mates
// at once with the rook on the back row: the check and mate lines, the end
// line naming White, the rating and the files written.
#include <gtest/gtest.h>

#include "game_steps.h"
#include "record_files.h"
#include "text_pattern.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

// Black king on (1, 7) behind its pawns on (2, 6) to (2, 8); the White rook
// on (8, 1) has the open column to (1, 1), and nothing Black can reach row 1.
// Row 2 is typed in lower case, which the entry takes as upper case.
constexpr const char* kRows[8] = {
    "::::::::::::BK::", "::::::::::bpbpbp", "::::::::::::::::", "::::::::::::::::",
    "::::::::::::::::", "::::::::::::::::", "::::::::::::::::", "WR::::::::::WK::",
};

TEST(E2eCustomBoard, TypedPositionEndsInThePlayersMateWithRecords) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  const std::string startDay = TodayText();
  GamePane pane("mate");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 2)) << pane.last();

  ASSERT_TRUE(pane.clickReady(1, 16)) << pane.last();
  ASSERT_TRUE(pane.waitFor(" BOARD INPUT - ROW by ROW - By This Format")) << pane.last();
  for (int row = 1; row <= 8; ++row) {
    ASSERT_TRUE(pane.waitRowStarts(row + 6, " ROW  " + std::to_string(row) + " :")) << pane.last();
    // A row one character short is asked again at the same place.
    if (row == 1) pane.typeLine(std::string(kRows[0]).substr(0, 15));
    pane.typeLine(kRows[row - 1]);
  }
  ASSERT_TRUE(pane.waitFor(" Is this CUSTOM board correct ? (Y/N)")) << pane.last();
  PaneScreen screen = pane.screen();
  EXPECT_EQ(screen.row(5), "              CUSTOM  BOARD");
  // The echo skips the first five columns, where " ROW " of the prompts stays.
  EXPECT_EQ(screen.row(7), " ROW  1: :: :: :: :: :: :: BK :: : 1");
  EXPECT_EQ(screen.row(8), " ROW  2: :: :: :: :: :: BP BP BP : 2");
  EXPECT_EQ(screen.row(14), " ROW  8: WR :: :: :: :: :: WK :: : 8");
  pane.typeLine("y");
  ASSERT_TRUE(pane.waitFor("What is COMPUTER color (and thus moved LAST)? (B/W)")) << pane.last();
  pane.typeLine("B");

  // Black counts as having moved last: White, the player, is to move.
  ASSERT_TRUE(pane.waitRowStarts(23, "  It is WHITE'S move.")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(10), "          1:     ::    ::    :: BK :: : 1");
  EXPECT_EQ(screen.row(11), "          2:  ::    ::    :: BP BP BP : 2");
  EXPECT_EQ(screen.row(17), "          8:  WR    ::    ::    WK    : 8");

  ASSERT_TRUE(pane.clickReady(17, 15)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  WR 81")) << pane.last();
  ASSERT_TRUE(pane.clickReady(10, 16)) << pane.last();
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(1), "");
  EXPECT_EQ(screen.row(2), " WHITE ROOK   At ( 8 1) Moved To ( 1 1)");
  EXPECT_EQ(screen.row(3), " BLACK is in CHECK");
  EXPECT_EQ(screen.row(4), " BLACK CHECKMATED");
  EXPECT_EQ(screen.row(10), "          1:  WR ::    ::    :: BK :: : 1");
  const std::string endLine = screen.row(20);
  EXPECT_TRUE(FitsPattern(endLine, "  CHECKMATE... WHITE wins in 1 moves and % min.  Level: 2")) << endLine;
  // A win in one move: 2910 - 25, the quick-win bonus 160 - 10 a minute,
  // less 200 x (9 - 2): class index 1645 / 200 + 1 = 9.
  const int minutes = NumberAfter(endLine, "moves and ");
  ASSERT_GE(minutes, 0);
  const int rating = 2885 + 160 - 10 * minutes - 1400;
  EXPECT_EQ(screen.row(21), "  YOU must be a CLASS B player rated about " + std::to_string(rating));

  const std::string transcript = TranscriptName(pane.dir(), startDay);
  ASSERT_NE(transcript, "") << ::testing::PrintToString(FileNames(pane.dir()));
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(pane.dir() / transcript), lines));
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[8], "  1 *** WR ::    ::    :: BK :: ***  1");
  EXPECT_EQ(lines[9], "  2 *** ::    ::    :: BP BP BP ***  2");
  EXPECT_EQ(lines[15], "  8 *** ::    ::    ::    WK    ***  8");
  EXPECT_EQ(lines[19], "  WR-QR8   (from QR1)   1");
  EXPECT_EQ(lines[20], "  CHECKMATE");
  EXPECT_EQ(lines[23], "  WHITE ROOK   at (81) moved to (11)   1");
  EXPECT_EQ(lines[24], "  CHECKMATE");

  // The PGN: the typed board as its FEN, then the mate and the result.
  const std::string pgn = transcript.substr(0, 18) + ".PGN";
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(pane.dir() / pgn), lines));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[8], "[FEN \"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1\"]");
  EXPECT_EQ(lines[11], "1. Ra8# {White checkmates} 1-0");

  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(pane.dir() / "BDVXSCORES.TXT"), lines));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(FitsPattern(lines[3], "##-##-#### ##:##:##  2  YOU       CHECKMATE CLASS B player   1    " +
                                        std::to_string(minutes) + "   " + std::to_string(rating)))
      << lines[3];

  pane.typeLine("");
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "0");
  EXPECT_EQ(pane.modesBefore(), pane.modesAfter());
  EXPECT_EQ(pane.flags(), "alt=0 cursor=1 mouse=0 sgr=0\n");
}

}  // namespace
}  // namespace bdvx::e2e
