// The player's move checked against the rules, and the common execution of
// every move: announcement, history, repetition draw, captures, castling,
// promotion, en passant, the check logic, rights, points and the hint praise.
#pragma once

#include "core/game_state.h"
#include "core/step.h"
#include "rules/move_reporter.h"

namespace bdvx {

// Entered with MovePiece and the typed squares; refuses on row 23 and returns
// PlayerPrompt, or sets the move fields, blanks the message column and
// returns MoveExecution. What it has to say goes through the reporter.
Step MoveValidation(GameState& g, MoveReporter& reporter);

// Entered with MovePiece and FromRow..ToCol set. Returns TurnTop after an
// executed move, PlayerPrompt when the move is refused or cancelled, EndGame
// when it ends the game.
Step MoveExecution(GameState& g, MoveReporter& reporter);

}  // namespace bdvx
