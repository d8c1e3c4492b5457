// Quick clicks in the real terminal: the colour clicked as soon as it is
// offered, then the level, a piece and its destination, each about 50 ms
// after the one before, without waiting for the game in between. Each is
// made while a prompt is on screen, so each takes effect.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game_steps.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

TEST(E2eQuickClicks, ColourLevelAndMoveClicked50MsApartEachTakeEffect) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("quick");
  ASSERT_TRUE(pane.waitRowStarts(22, "  BLACK  WHITE  <-- Pick your color")) << pane.last();
  // WHITE, level 3, then the pawn from (7, 5) to (5, 5).
  const int clicks[][2] = {{22, 12}, {22, 9}, {16, 27}, {14, 28}};
  for (const auto& [row, col] : clicks) {
    pane.click(row, col);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(pane.waitFor(" WHITE PAWN   At ( 7 5) Moved To ( 5 5)")) << pane.last();
  EXPECT_TRUE(pane.waitUntil([](const PaneScreen& s) { return s.row(20).ends_with("Level: 3"); }))
      << pane.last();
}

}  // namespace
}  // namespace bdvx::e2e
