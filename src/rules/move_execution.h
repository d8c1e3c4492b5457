// The player's move checked against the rules, and the common execution of
// every move: announcement, history, repetition draw, captures, castling,
// promotion, en passant, the check logic, rights, points and the hint praise.
#pragma once

#include "console/console.h"
#include "game/game_state.h"
#include "game/step.h"

namespace bdvx {

// Entered with MovePiece and the typed squares; refuses on row 23 and returns
// PlayerPrompt, or sets the move fields and returns MoveExecution.
Step MoveValidation(GameState& g, Console& con);

// Entered with MovePiece and FromRow..ToCol set. Returns TurnTop after an
// executed move, PlayerPrompt when the move is refused or cancelled, EndGame
// when it ends the game.
Step MoveExecution(GameState& g, Console& con);

}  // namespace bdvx
