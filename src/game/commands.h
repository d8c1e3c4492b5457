// The menu commands: the entry's first two letters (Code2) tested against
// thirteen codes in a fixed order.
#pragma once

#include "console/console.h"
#include "core/game_state.h"
#include "core/step.h"

namespace bdvx {

struct CommandOutcome {
  int CommandMatched = 0;  // 1 when Code2 named a command
  bool leaves = false;     // the command left the prompt for `next`
  Step next = Step::PlayerPrompt;
};

// Tests Code2 against every code in the table's order and runs the command
// that matches. A command that leaves the prompt (NEW, RESIGN, EXIT, a CREATE
// or LOAD without both kings) does so at once. MovePiece is 99 on entry for
// a command; CREATE may leave a piece code in it.
CommandOutcome InterpretCommand(GameState& g, Console& con);

}  // namespace bdvx
