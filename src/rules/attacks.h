// Board queries the check logic and the computer player rest on: finding a
// piece, both kings present, and open lines through a square (pins). They
// only answer; a missing king is reported to the caller, who tells the player.
#pragma once

#include "core/board.h"

namespace bdvx {

// The first square holding exactly code, in row-major order. When it is not
// found: row = col = 0 and code becomes 99.
void FindPiece(const Board& board, int& code, int& row, int& col);

// Which kings stand on the board; the game names a missing one in its
// "  FATAL ERROR: NO ... ON BOARD." line.
struct KingsOnBoard {
  bool black = false;
  bool white = false;
  bool both() const { return black && white; }
};
KingsOnBoard FindKings(const Board& board);

// Line-test scores.
constexpr int kLineNone = 0;
constexpr int kLineDiscovers = 5;   // opens a line to the other side's king
constexpr int kLineShields = 10;    // opens a line to the piece's own king
constexpr int kLineBoth = 15;

struct LineTest {
  int score = kLineNone;
  int attacker = 0;
  int attackerRow = 0;
  int attackerCol = 0;
  int kingRow = 0;
  int kingCol = 0;
};
// The enemy slider of `king` (on (kingRow, kingCol)) standing on the far side
// of (row, col) on an open line to it, with its square; 0 when there is none.
// The squares between the king and (row, col) must be empty, and the first
// piece beyond is the one asked about; the square's own content is never
// looked at. Diagonals are looked at first, the straight line only when
// (row, col) is not on a diagonal of the king; the king's own square counts
// as on its column, the walk going on toward row 8.
int OpenLineAttacker(const Board& board, int king, int kingRow, int kingCol, int row, int col,
                     int& attackerRow, int& attackerCol);

// Would emptying (row, col) open a line from an enemy slider to a king? The
// White king is examined first, then the Black one; the square's own content
// is never looked at.
LineTest TestLineThroughSquare(const Board& board, int piece, int row, int col);

// The squares of the first White and the first Black king in row-major
// order, row 0 for a missing one: what the line test looks for, found once
// for callers that ask about many squares of one board.
struct KingSquares {
  int whiteRow = 0;
  int whiteCol = 0;
  int blackRow = 0;
  int blackCol = 0;
};
KingSquares FindKingSquares(const Board& board);
LineTest TestLineThroughSquare(const Board& board, const KingSquares& kings, int piece,
                               int row, int col);

// The part of the line test that says whether the piece on (row, col)
// shields its own king (a pin): a score of 10 with the attacker and the
// king's square when the full test would give 10 or more, else score 0.
// Without a White king nothing is pinned, as in the full test.
LineTest TestPin(const Board& board, const KingSquares& kings, int piece, int row, int col);

}  // namespace bdvx
