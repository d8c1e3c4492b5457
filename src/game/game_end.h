// The one place where a game ends: winner, final board, end line, rating and
// scorecard, applause, transcript, the final pause.
#pragma once

#include "console/console.h"
#include "core/game_state.h"
#include "core/step.h"

namespace bdvx {

// Ends the game that MovePiece and EndReason describe (the sign of MovePiece
// is the winner's side unless the game is drawn). Returns ExitProgram after
// the player has pressed Enter.
Step EndGame(GameState& g, Console& con);

}  // namespace bdvx
