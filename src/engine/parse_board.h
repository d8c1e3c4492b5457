// The parse array: for every square, the White pieces bearing on it minus
// the Black ones.
#pragma once

#include "core/board.h"
#include "rules/attacks.h"

namespace bdvx {

// What the builder found on the board besides the array, for the game to
// tell the player: the last code that names no piece (0 when none), and which
// kings stand on it.
struct ParseReport {
  int invalidPiece = 0;
  KingsOnBoard kings;
};

// Overwrites all 64 cells. A code of magnitude 2, 6, 7 or 8 adds nothing.
ParseReport BuildParseBoard(const Board& board, ParseArray& parse);
// The same with the board's kings found beforehand (FindKingSquares).
ParseReport BuildParseBoard(const Board& board, const KingSquares& kings, ParseArray& parse);

}  // namespace bdvx
