// The same kind of game played with typed lines only: the picks, a refused
// entry, a refused move, two moves, HINT, USCF and the resignation by its
// first two letters.
#include <gtest/gtest.h>

#include "game_steps.h"
#include "record_files.h"
#include "text_pattern.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

TEST(E2eKeyboardGame, TypedPicksMovesAndCommandsPlayToTheEnd) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("keys");
  ASSERT_TRUE(pane.waitRowStarts(22, "  BLACK  WHITE  <-- Pick your color")) << pane.last();
  pane.typeLine("w");
  ASSERT_TRUE(pane.waitRowStarts(22, "  0 1 2 3 4 5 6 7 8 9  <-- Pick difficulty")) << pane.last();
  pane.typeLine("12");  // not a level: asked again
  pane.typeLine("2");
  ASSERT_TRUE(pane.waitRowStarts(21, "  Click Piece and then Destination")) << pane.last();
  EXPECT_EQ(pane.screen().row(20), FirstStatusLine(1, 2));

  pane.typeLine("XY");
  ASSERT_TRUE(pane.waitRow(23, "  XY is invalid menu command")) << pane.last();
  pane.typeLine("WN 87 65");
  ASSERT_TRUE(pane.waitRow(23, "  ILLEGAL: A WN can NEVER move ( 8, 7) To ( 6, 5)")) << pane.last();

  pane.typeLine("WP 75 55");
  ASSERT_TRUE(pane.waitRowStarts(20, "  Move: 2.")) << pane.last();
  PaneScreen screen = pane.screen();
  EXPECT_EQ(screen.row(2), " WHITE PAWN   At ( 7 5) Moved To ( 5 5)");
  ShownMove reply;
  EXPECT_TRUE(ParseMoveLine(screen.row(3), reply)) << screen.text();
  EXPECT_EQ(reply.side, "BLACK");
  EXPECT_EQ(screen.row(14).substr(26, 2), "WP");

  pane.typeLine("hint");
  ASSERT_TRUE(pane.waitUntil([](const PaneScreen& s) { return IsHintAnswer(s.row(23), 10, 2); }))
      << pane.last();
  pane.typeLine("US");
  ASSERT_TRUE(pane.waitRow(23, "  Toggled Descriptive/RowCol Output")) << pane.last();
  pane.typeLine("wn 87 66");
  ASSERT_TRUE(pane.waitRowStarts(20, "  Move: 3.")) << pane.last();
  EXPECT_EQ(pane.screen().row(2), " WN-KB 3 (From KN 1)");

  pane.typeLine("RE");
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.last();
  screen = pane.screen();
  EXPECT_EQ(screen.row(6), " THANK-YOU! Your resignation accepted.");
  EXPECT_TRUE(FitsPattern(screen.row(20), "  RESIGNED ... BLACK wins in 3 moves and % min.  Level: 2"))
      << screen.row(20);
  EXPECT_EQ(screen.row(21), "  YOU must be a CLASS J novice rated about 100");
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitCrLfLines(test::ReadFile(pane.dir() / "BDVXSCORES.TXT"), lines));
  EXPECT_EQ(lines.size(), 4u);

  pane.typeLine("");
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "0");
  EXPECT_EQ(pane.modesBefore(), pane.modesAfter());
}

}  // namespace
}  // namespace bdvx::e2e
