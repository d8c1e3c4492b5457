// The parse array: for every square, the White pieces bearing on it minus
// the Black ones.
#pragma once

#include "console/console.h"
#include "game/board.h"

namespace bdvx {

// Overwrites all 64 cells. A code of magnitude 2, 6, 7 or 8 writes the line
// "  FATAL ERROR: Invalid Piece <code> to Parse" on row 24 and adds nothing.
void BuildParseBoard(Console& con, const Board& board, ParseArray& parse);

}  // namespace bdvx
