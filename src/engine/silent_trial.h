// The silent trial of the candidate scan: the judgement AfterMoveCheck gives
// in its silent mode, answered cheaply for the common moves. Before a move
// neither king stands attacked; an ordinary move (not castling, not en
// passant, not a promotion) can then expose its own king, or give check, only
// along the lines through its from-square, or by the moved piece itself (a
// king: where it stands). Those lines are looked at once per piece, the moved
// piece once per move; every other case, and every move that may give check,
// goes to AfterMoveCheck itself, so the answers are the same.
#pragma once

#include "core/board.h"
#include "engine/analyzer.h"
#include "rules/check.h"

namespace bdvx {

// The sliders behind a from-square as seen from each king: what leaving the
// square uncovers unless the piece stays on that line (row 0: nothing).
struct FromSquareLines {
  int pinRow = 0;  // an enemy slider that would reach the own king
  int pinCol = 0;
  int discoverRow = 0;  // an own slider that would reach the enemy king
  int discoverCol = 0;
};

class SilentTrial {
 public:
  // Looks at the board before any move of side: where both kings stand
  // (survey is the board's) and whether either is attacked.
  SilentTrial(const Board& board, const BoardSurvey& survey, int side);

  // The lines through the square of side's piece, on the board before it moves.
  FromSquareLines linesThrough(const Board& board, int fromRow, int fromCol) const;

  // Called with the move on the board (only the piece moved, as the scan
  // tries it) and the lines through its from-square; answers and writes
  // checkState as AfterMoveCheck does in the silent mode. The board is left
  // as it came.
  AfterMove judge(Board& board, const PawnJumpRecord& pawnJump, CheckTable& checkState,
                  const FromSquareLines& lines, int piece, int fromRow, int fromCol, int toRow,
                  int toCol, int destinationBefore, int ruleResult) const;

 private:
  int side_;
  bool quick_ = false;  // one king each, neither attacked: the short answers hold
  int ownKingRow_ = 0;
  int ownKingCol_ = 0;
  int enemyKingRow_ = 0;
  int enemyKingCol_ = 0;
};

}  // namespace bdvx
