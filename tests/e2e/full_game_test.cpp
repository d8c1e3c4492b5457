// A whole game by mouse in a real terminal: the start-up picks, moves with
// the computer's answers, HINT, USCF, SAVE, NEW, LOAD, a move in the loaded
// game and RESIGN, the three record files, the final pause and a sane
// terminal afterwards.
#include <gtest/gtest.h>

#include "game_steps.h"
#include "record_files.h"
#include "text_pattern.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

// The board rows 10 to 17 as the pane shows them.
std::vector<std::string> BoardRows(const PaneScreen& screen) {
  std::vector<std::string> rows;
  for (int row = 10; row <= 17; ++row) rows.push_back(screen.row(row));
  return rows;
}

// A Black move line in the descriptive form: " BP- K 4 (From  K 2)".
bool IsBlackDescriptiveLine(const std::string& line) {
  static const std::string kFiles[] = {"QR", "QN", "QB", " Q", " K", "KB", "KN", "KR"};
  const auto isFile = [](const std::string& text) {
    for (const std::string& file : kFiles)
      if (text == file) return true;
    return false;
  };
  return FitsPattern(line, " B?-?? # (From ?? #)") &&
         std::string("PNBRQK").find(line[2]) != std::string::npos && isFile(line.substr(4, 2)) &&
         isFile(line.substr(15, 2));
}

// The records SAVE wrote after 1. (7,5)-(5,5) and 2. (8,7)-(6,6) with their
// answers: the snapshot holds the board the pane shows.
void ExpectSavedRecords(const std::filesystem::path& dir, const std::string& transcript,
                        const PaneScreen& screen) {
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(dir / "BDVXSNAP.TXT"), lines));
  ASSERT_EQ(lines.size(), 118u);
  EXPECT_TRUE(lines[0].starts_with("BRANDOVEX GAME SNAPSHOT"));
  for (int r = 1; r <= 8; ++r) {
    for (int k = 1; k <= 8; ++k) {
      // Line 8r + k - 7 holds the square the pane shows at row 9 + r.
      EXPECT_EQ(lines[static_cast<std::size_t>(8 * r + k - 8)], screen.row(9 + r).substr(3 * k + 11, 2))
          << "square " << r << k;
    }
  }
  EXPECT_EQ(lines[37], "WP");
  EXPECT_EQ(lines[46], "WN");
  EXPECT_EQ(lines[75], "W");
  EXPECT_TRUE(lines[76].starts_with("-")) << lines[76];  // Black moved last
  EXPECT_EQ(lines[77], "-1");
  EXPECT_EQ(lines[78], " 3");
  EXPECT_EQ(lines[80], " 1");  // no castling right lost yet
  EXPECT_EQ(lines[116], " 0");
  EXPECT_EQ(lines[117], "EOF");

  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(dir / transcript), lines));
  ASSERT_EQ(lines.size(), 32u);  // 19 opening lines, 4 half-moves twice, 2 x 2 closing lines
  EXPECT_TRUE(lines[0].starts_with("BRANDOVEX REGISTER"));
  EXPECT_EQ(lines[19], "  WP- K4   (from  K2)   1");
  EXPECT_EQ(lines[21], "  WN-KB3   (from KN1)   3");
  EXPECT_EQ(lines[23], "  SNAPSHOT");
  EXPECT_EQ(lines[24], "********* END OF MOVE HISTORY (DESCRIPTIVE FORM) ****************");
  EXPECT_EQ(lines[26], "  WHITE PAWN   at (75) moved to (55)   1");
  EXPECT_EQ(lines[28], "  WHITE KNIGHT at (87) moved to (66)   3");
  EXPECT_EQ(lines[30], "  SNAPSHOT");
  EXPECT_EQ(lines[31], "********* END OF MOVE HISTORY (ARRAY FORMAT) ****************");
}

// The records of the resignation after the move in the loaded game: the
// scorecard's first line and the transcript, whose history LOAD emptied.
void ExpectRecordsAfterResigning(const std::filesystem::path& dir, const std::string& transcript,
                                 int minutes) {
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(dir / "BDVXSCORES.TXT"), lines));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0].starts_with("BRANDOVEX SCORECARD"));
  EXPECT_EQ(lines[1], " ");
  EXPECT_EQ(lines[2], "DATE       CLOCK    LEV WINNER    LOSER     YOUR RANK      MOVES TIME SCORE ");
  EXPECT_TRUE(FitsPattern(lines[3], "##-##-#### ##:##:##  2  COMPUTER  RESIGNED  CLASS J novice   4    " +
                                        std::to_string(minutes) + "   100"))
      << lines[3];
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(dir / transcript), lines));
  ASSERT_EQ(lines.size(), 28u);  // LOAD emptied the history: two half-moves since
  EXPECT_EQ(lines[19], "  WP-QR3   (from QR2)   1");
  EXPECT_EQ(lines[21], "  RESIGNED ");
  EXPECT_EQ(lines[24], "  WHITE PAWN   at (71) moved to (61)   1");
}

TEST(E2eFullGame, ClicksThroughMovesCommandsSaveLoadAndResignation) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  const std::string startDay = TodayText();
  GamePane pane("full");

  // The splash settles in light cyan on blue before the colour pick.
  ASSERT_TRUE(pane.waitRowStarts(22, "  BLACK  WHITE  <-- Pick your color")) << pane.last();
  {
    const PaneScreen splash = pane.screen();
    const std::size_t letter = splash.row(12).find_first_not_of(' ');
    ASSERT_NE(letter, std::string::npos) << pane.last();
    const PaneCell banner = pane.colors().cell(12, static_cast<int>(letter) + 1);
    EXPECT_EQ(banner.fg, kTermLightCyan);
    EXPECT_EQ(banner.bg, kTermBlue);
  }
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 2)) << pane.last();

  // The first turn: menu line, board, status line and prompt.
  PaneScreen screen = pane.screen();
  EXPECT_EQ(screen.row(1), "NEW LOAD SAVE CREATE HELP DISPLAY RESIGN USCF VOICE ABOUT EXIT");
  EXPECT_EQ(screen.row(20), FirstStatusLine(1, 2));
  EXPECT_TRUE(screen.row(9).starts_with("            ---1--2--3--4--5--6--7--8--    ")) << screen.row(9);
  EXPECT_EQ(screen.row(10), "          1:  BR BN BB BQ BK BB BN BR : 1");
  EXPECT_EQ(screen.row(16), "          7:  WP WP WP WP WP WP WP WP : 7");
  EXPECT_EQ(screen.row(18), "            ---1--2--3--4--5--6--7--8--    CANCEL  HINT");
  EXPECT_EQ(pane.colors().cell(16, 27).bg, kTermLightBlue);

  // The pawn from (7, 5) to (5, 5): the echo grows with each click and the
  // computer answers on the next row of the message column.
  ASSERT_TRUE(pane.clickReady(16, 27)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  WP 75")) << pane.last();
  ASSERT_TRUE(pane.clickReady(14, 28)) << pane.last();
  bool sawEcho = false;
  ASSERT_TRUE(pane.waitUntil([&](const PaneScreen& s) {
    sawEcho = sawEcho || s.row(22) == "  WP 75 55";
    return s.row(20).starts_with("  Move: 2.") && s.row(21).starts_with("  Click Piece");
  })) << pane.last();
  EXPECT_TRUE(sawEcho);
  screen = pane.screen();
  EXPECT_EQ(screen.row(2), " WHITE PAWN   At ( 7 5) Moved To ( 5 5)");
  EXPECT_EQ(screen.row(20), FirstStatusLine(2, 2));
  ShownMove reply;
  ASSERT_TRUE(ParseMoveLine(screen.row(3), reply)) << pane.last();
  EXPECT_EQ(reply.side, "BLACK");

  // The board is redrawn and the answer's square has settled in the piece's
  // own colours, with the normal colours beside it.
  {
    const PaneColors colors = pane.colors();
    EXPECT_EQ(colors.text(14, 27, 2), "WP");
    EXPECT_EQ(colors.text(16, 27, 2), "  ");
    EXPECT_EQ(colors.cell(16, 27).bg, kTermBlue);
    int row = 0;
    int col = 0;
    SquareOnScreen(reply.toRow, reply.toCol, kComputerBlack, row, col);
    EXPECT_EQ(colors.text(row, col, 2), PieceText(reply));
    EXPECT_EQ(colors.cell(row, col).fg, kTermBlue);
    EXPECT_EQ(colors.cell(row, col).bg, kTermLightRed);
    EXPECT_EQ(colors.cell(row, col + 1).bg, kTermLightRed);
    EXPECT_EQ(colors.cell(row, col - 1).bg, kTermLightCyan);
    SquareOnScreen(reply.fromRow, reply.fromCol, kComputerBlack, row, col);
    EXPECT_EQ(colors.text(row, col, 2), (reply.fromRow + reply.fromCol) % 2 == 1 ? "::" : "  ");
  }

  // HINT gives the reply the computer worked out (or, should it have found
  // none, the no-hints line), without a redraw.
  ASSERT_TRUE(pane.clickReady(18, 53)) << pane.last();
  ASSERT_TRUE(pane.waitUntil([](const PaneScreen& s) { return IsHintAnswer(s.row(23), 10, 2); })) << pane.last();
  EXPECT_EQ(pane.screen().row(20), FirstStatusLine(2, 2));

  // USCF, then the knight from (8, 7) to (6, 6), told in descriptive form.
  ASSERT_TRUE(pane.clickReady(1, 43)) << pane.last();
  ASSERT_TRUE(pane.waitRow(23, "  Toggled Descriptive/RowCol Output")) << pane.last();
  ASSERT_TRUE(pane.clickReady(17, 34)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  WN 87")) << pane.last();
  ASSERT_TRUE(pane.clickReady(15, 30)) << pane.last();
  ASSERT_TRUE(pane.waitRowStarts(20, "  Move: 3.")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(2), " WN-KB 3 (From KN 1)");
  bool answerShown = false;
  for (int row = 3; row <= 7; ++row) {
    answerShown = answerShown || IsBlackDescriptiveLine(screen.row(row));
  }
  EXPECT_TRUE(answerShown) << screen.text();
  const std::vector<std::string> savedBoard = BoardRows(screen);

  // SAVE writes the snapshot and the transcript under their exact names.
  ASSERT_TRUE(pane.clickReady(1, 11)) << pane.last();
  ASSERT_TRUE(pane.waitUntil([](const PaneScreen& s) {
    return s.row(23).starts_with("  Snapshot saved") || s.row(23).starts_with("  Cannot");
  })) << pane.last();
  ASSERT_TRUE(pane.screen().row(23).starts_with("  Snapshot saved (Transcript: BDVXHIST"))
      << pane.last() << ::testing::PrintToString(FileNames(pane.dir()));
  const std::string transcript = TranscriptName(pane.dir(), startDay);
  ASSERT_NE(transcript, "") << ::testing::PrintToString(FileNames(pane.dir()));
  EXPECT_EQ(pane.screen().row(23), "  Snapshot saved (Transcript: " + transcript.substr(0, 18) + ".txt)");
  ExpectSavedRecords(pane.dir(), transcript, screen);

  // NEW starts afresh with the splash and both picks; LOAD brings the saved
  // board back.
  ASSERT_TRUE(pane.clickReady(1, 2)) << pane.last();
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 2)) << pane.last();
  EXPECT_EQ(pane.screen().row(16), "          7:  WP WP WP WP WP WP WP WP : 7");
  ASSERT_TRUE(pane.clickReady(1, 6)) << pane.last();
  ASSERT_TRUE(pane.waitRow(23, "  Game snapshot restored")) << pane.last();
  EXPECT_EQ(BoardRows(pane.screen()), savedBoard);

  // The loaded game goes on with White to move: the pawn from (7, 1) to (6, 1),
  // told in the row/column form again (NEW set it back), and the answer.
  ASSERT_TRUE(pane.clickReady(16, 15)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  WP 71")) << pane.last();
  ASSERT_TRUE(pane.clickReady(15, 16)) << pane.last();
  ASSERT_TRUE(pane.waitRowStarts(20, "  Move: 4.")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(2), " WHITE PAWN   At ( 7 1) Moved To ( 6 1)");
  EXPECT_TRUE(ParseMoveLine(screen.row(3), reply)) << screen.text();

  // RESIGN: the computer's side wins; the rating lines, the scorecard and the
  // transcript follow, then the pause for Enter.
  ASSERT_TRUE(pane.clickReady(1, 37)) << pane.last();
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(1), "");
  EXPECT_EQ(screen.row(6), " THANK-YOU! Your resignation accepted.");
  const std::string endLine = screen.row(20);
  EXPECT_TRUE(FitsPattern(endLine, "  RESIGNED ... BLACK wins in 4 moves and % min.  Level: 2")) << endLine;
  const int minutes = NumberAfter(endLine, "moves and ");
  // 20 x 4 moves less 200 x (9 - 2) is held at the lowest rating.
  EXPECT_EQ(screen.row(21), "  YOU must be a CLASS J novice rated about 100");
  EXPECT_EQ(screen.row(23).substr(0, 54),
            "  Transcript: " + transcript.substr(0, 18) + ".txt, BDVXSCORES.TXT  ");
  EXPECT_EQ(screen.row(23).substr(54, 10), "Tap Enter ");

  ExpectRecordsAfterResigning(pane.dir(), transcript, minutes);

  pane.typeLine("");
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "0");
  EXPECT_EQ(pane.modesBefore(), pane.modesAfter());
  EXPECT_EQ(pane.flags(), "alt=0 cursor=1 mouse=0 sgr=0\n");
  // The game wrote its records and nothing else.
  EXPECT_EQ(FileNames(pane.dir()),
            (std::vector<std::string>{transcript.substr(0, 18) + ".PGN", transcript,
                                      "BDVXSCORES.TXT", "BDVXSNAP.TXT", "after.txt", "before.txt",
                                      "pane.sh", "status.txt"}));
}

}  // namespace
}  // namespace bdvx::e2e
