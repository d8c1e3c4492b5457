// The CREATE command: a position typed in row by row, and the game going on
// from it.
#pragma once

#include <optional>
#include <string>

#include "console/console.h"
#include "core/board.h"
#include "core/game_state.h"
#include "core/step.h"

namespace bdvx {

// Runs the entry screen until the player confirms the board with "Y", then
// asks the computer's colour. Returns with all 64 texts written and answer
// "W" or "B"; the screen is left cleared with the menu line.
void EnterCustomBoard(Console& con, SquareTextGrid& squareText, std::string& answer);

// CREATE: the typed board becomes GameBoard with the computer's colour as the
// side that moved last. Without both kings it pauses and answers
// StartNewGame; otherwise nothing, and the prompt goes on with MovePiece set.
std::optional<Step> CreateCommand(GameState& g, Console& con);

}  // namespace bdvx
