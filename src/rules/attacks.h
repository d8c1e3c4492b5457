// Board queries the check logic and the computer player rest on: finding a
// piece, both kings present, a piece attacking the enemy king, and open lines
// through a square (pins and discovered checks).
#pragma once

#include "console/console.h"
#include "game/board.h"

namespace bdvx {

// The first square holding exactly code, in row-major order. When it is not
// found: row = col = 0, code becomes 99 and, for a king, the line
// "  FATAL ERROR: NO <side><piece>ON BOARD." is written on row 23.
void FindPiece(Console& con, const Board& board, int& code, int& row, int& col);

// true when both kings are on the board; both searches always run.
bool BothKingsPresent(Console& con, const Board& board);

// Does piece, standing on the from-square, attack the king of the other side?
// result becomes 5 when it does. When result is 99 on entry the king is not
// searched: (kingRow, kingCol) is the attacked square. A missing king leaves
// result unchanged.
void TestGivesCheck(Console& con, const Board& board, const PawnJumpRecord& pawnJump,
                    int piece, int fromRow, int fromCol, int& kingRow, int& kingCol,
                    int& result);

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
// Would emptying (row, col) open a line from an enemy slider to a king? The
// White king is examined first, then the Black one; the square's own content
// is never looked at.
LineTest TestLineThroughSquare(Console& con, const Board& board, int piece, int row,
                               int col);

}  // namespace bdvx
