// The move execution with what it found out, for callers that need more than
// the next step: the analysis tool lists the outcome of every player move.
#pragma once

#include "core/game_state.h"
#include "core/step.h"
#include "rules/move_reporter.h"

namespace bdvx {

struct MoveOutcome {
  Step next = Step::TurnTop;
  int checkScore = 0;        // as AfterMoveCheck gave it; 0 when not reached
  bool kingCaptured = false;  // the destination held a king: the game ends
};

// The whole move execution; MoveExecution returns its next step.
MoveOutcome ExecuteMove(GameState& g, MoveReporter& reporter);

}  // namespace bdvx
