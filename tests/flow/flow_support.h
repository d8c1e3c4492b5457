// Helpers for driving the game's loop with a scripted virtual console.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "console/virtual_console.h"
#include "core/game_state.h"
#include "core/step.h"
#include "game/turn_loop.h"

namespace bdvx::test {

// The clicks of the start-up picks: "BLACK" or "WHITE" on row 22, then the
// level digit, which stands at column 2 x level + 3.
inline void QueuePicks(VirtualConsole& con, char colour, int level) {
  con.queueClick(22, colour == 'B' ? 3 : 10);
  con.queueClick(22, 2 * level + 3);
}

// Menu words on row 1, by a column inside each word.
constexpr int kNewCol = 2;
constexpr int kResignCol = 36;
constexpr int kVoiceCol = 48;
constexpr int kExitCol = 60;

// Runs the game until the script runs out. Returns false (and fails the
// test) when the game ended by itself instead.
inline bool RunUntilScriptEnds(GameState& g, VirtualConsole& con) {
  try {
    RunGame(g, con);
  } catch (const ScriptExhausted&) {
    return true;
  }
  ADD_FAILURE() << "the game ended before its script did";
  return false;
}

// A row of the screen as the game's texts give it: the text, then blanks to
// the end of the row.
inline std::string Row(const std::string& text) {
  std::string row = text;
  row.resize(kScreenCols, ' ');
  return row;
}

// A game state with its fixed tables, as at program start.
inline GameState FreshState() {
  GameState g;
  InitProgramTables(g);
  return g;
}

// A game started as White at the level and brought to the player's first
// prompt (board and status line drawn), without reading the entry.
class StartedGame : public ::testing::Test {
 protected:
  void Start(char colour = 'W', int level = 3) {
    QueuePicks(con, colour, level);
    ASSERT_EQ(StartNewGame(g, con), Step::TurnTop);
    ASSERT_EQ(TurnTop(g, con), Step::PlayerPrompt);
  }

  // The entry as if read at the prompt: echoed on row 22, then acted on.
  Step Enter(const std::string& line) {
    g.InputLine = line;
    con.locate(22, 1);
    con.print(line);
    return InterpretEntry(g, con);
  }

  GameState g = FreshState();
  VirtualConsole con;
};

}  // namespace bdvx::test
