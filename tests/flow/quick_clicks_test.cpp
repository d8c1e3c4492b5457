// Clicks made before the game waits for them: during the splash and while
// the computer moves they are dropped; during the pauses of a prompt they
// count, answered after the pause.
#include <gtest/gtest.h>

#include "flow_support.h"

namespace bdvx {
namespace {

constexpr auto kEarly = VirtualConsole::Arrival::Early;

TEST(QuickClicks, EarlyClicksCountAtAPromptAndAreDroppedElsewhere) {
  GameState g = test::FreshState();
  VirtualConsole con;
  con.queueClick(22, 3, kEarly);             // BLACK during the splash: dropped
  con.queueClick(22, 10);                    // WHITE
  con.queueClick(22, 9, kEarly);             // level 3, during the level prompt's pause
  con.queueClick(16, 27);                    // the pawn on (7, 5) ...
  con.queueClick(14, 28, kEarly);            // ... to (5, 5), during the pause before it
  con.queueClick(1, test::kNewCol, kEarly);  // NEW while the computer moves: dropped
  ASSERT_TRUE(test::RunUntilScriptEnds(g, con));
  EXPECT_EQ(g.PlayerLetter, "W");
  EXPECT_EQ(g.Level, 3);
  EXPECT_EQ(g.GameBoard(5, 5), 1);
  EXPECT_EQ(g.MoveNumber, 2);           // the computer has answered
  EXPECT_EQ(con.randomizeCount(), 1);   // and no new game began
}

}  // namespace
}  // namespace bdvx
