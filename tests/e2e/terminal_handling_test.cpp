// The real terminal around the game: Ctrl-C at the prompt and at a pause
// gives the terminal back as it was, a window too small asks for room and
// takes no clicks, and waiting for the player costs next to no processor.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game_steps.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

// Ctrl-C ends the game as the signal does (status 128 + 2) and leaves the
// modes, the cursor and the mouse of the terminal as they were.
void ExpectStoppedCleanly(GamePane& pane) {
  pane.ctrlC();
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "130");
  EXPECT_EQ(pane.modesBefore(), pane.modesAfter());
  EXPECT_EQ(pane.flags(), "alt=0 cursor=1 mouse=0 sgr=0\n");
}

TEST(E2eTerminal, CtrlCAtThePromptRestoresTheTerminal) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("ctrlc-prompt");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  EXPECT_EQ(pane.flags(), "alt=1 cursor=1 mouse=1 sgr=1\n");
  ExpectStoppedCleanly(pane);
}

TEST(E2eTerminal, CtrlCAtTheTapEnterPauseRestoresTheTerminal) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("ctrlc-pause");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.clickReady(1, 60)) << pane.last();
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  ExpectStoppedCleanly(pane);
}

TEST(E2eTerminal, SmallWindowAsksForRoomAndTakesNoClicks) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("small", 70, 20);
  ASSERT_TRUE(pane.waitFor("enlarge")) << pane.last();
  EXPECT_TRUE(pane.screen().has("70 x 20")) << pane.last();
  pane.resize(80, 24);
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();

  // Too small at the prompt: RESIGN and a piece are clicked in vain.
  pane.resize(70, 20);
  ASSERT_TRUE(pane.waitFor("enlarge")) << pane.last();
  pane.click(1, 37);
  pane.click(16, 27);
  ASSERT_TRUE(pane.waitInputTaken()) << pane.last();
  pane.resize(80, 24);
  ASSERT_TRUE(pane.waitRowStarts(21, "  Click Piece and then Destination")) << pane.last();
  PaneScreen screen = pane.screen();
  EXPECT_EQ(screen.row(1), "NEW LOAD SAVE CREATE HELP DISPLAY RESIGN USCF VOICE ABOUT EXIT");
  EXPECT_EQ(screen.row(16), "          7:  WP WP WP WP WP WP WP WP : 7");
  EXPECT_EQ(screen.row(20), FirstStatusLine(1, 0));
  EXPECT_EQ(screen.row(22), "");
  EXPECT_FALSE(screen.has("THANK-YOU"));

  // Back at full size the same click chooses the pawn.
  ASSERT_TRUE(pane.clickReady(16, 27)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  WP 75")) << pane.last();
  ExpectStoppedCleanly(pane);
}

// Under tmux's own TERM the mouse comes in the legacy form; the picks are
// clicked in it. Then the game waits for the player.
TEST(E2eTerminal, LegacyMouseFormAndWaitingCostsNoProcessorTime) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("idle", 80, 24, MouseReports::Legacy);
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  EXPECT_EQ(pane.flags(), "alt=1 cursor=1 mouse=1 sgr=0\n");
  const int pid = pane.gamePid();
  ASSERT_GT(pid, 0);
  const double before = CpuSeconds(pid);
  std::this_thread::sleep_for(std::chrono::seconds(5));
  EXPECT_LT(CpuSeconds(pid) - before, 0.5);
  // Still waiting, and still answering.
  ASSERT_TRUE(pane.clickReady(16, 27)) << pane.last();
  EXPECT_TRUE(pane.waitRow(22, "  WP 75")) << pane.last();
  EXPECT_EQ(pane.gamePid(), pid);
}

}  // namespace
}  // namespace bdvx::e2e
