// The lines that tell the player the board is impossible: a missing king, a
// code that names no piece. The rules and the computer player only report
// such a board; the game shows these lines where the player sees them.
#pragma once

#include "console/console.h"
#include "engine/parse_board.h"
#include "rules/attacks.h"

namespace bdvx {

// "  FATAL ERROR: NO BLACK KING  ON BOARD." and then the White king's line,
// both at (23, 1), for each king that is missing.
void ShowMissingKings(Console& con, const KingsOnBoard& kings);

// The missing kings, then "  FATAL ERROR: Invalid Piece <code> to Parse" on
// row 24 when the parse array met a code that names no piece.
void ShowParseReport(Console& con, const ParseReport& report);

}  // namespace bdvx
