// The player's choice of piece for a pawn reaching its far row.
#pragma once

#include "core/game_state.h"
#include "rules/move_reporter.h"

namespace bdvx {

// Asks on rows 21 and 22 until the typed text names a knight, bishop, rook or
// queen (of either colour, side-less "N " ..., or a single letter "N").
// Code2 keeps the answer's first two characters; returns the answer's code
// (only its magnitude counts). A piece the typed move named (NamedPromotion)
// is taken without asking, as the player's.
int AskPromotionChoice(GameState& g, MoveReporter& reporter);

}  // namespace bdvx
