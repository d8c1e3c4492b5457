// The board block of the screen, rows 8 to 19: the computer's captures, the
// coordinate lines with the time of day, the eight board rows, the CANCEL and
// HINT targets and the player's captures. The computer's side is at the top.
#pragma once

#include <string>

#include "console/console.h"
#include "core/board.h"

namespace bdvx {

void DrawBoard(Console& con, const Board& board, int computerSide,
               const CaptureList& computerCaptures, const CaptureList& playerCaptures);

// One cell: a separator blank at (row, column) in the current pair, then the
// two-character text at column + 1 in its own colours; ends in the normal pair.
void DrawCell(Console& con, const std::string& text, int row, int column);

}  // namespace bdvx
