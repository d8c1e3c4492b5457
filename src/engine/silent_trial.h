// The silent trial of the candidate scan: the judgement AfterMoveCheck gives
// in its silent mode, answered cheaply for the common moves. Before a move
// neither king stands attacked; an ordinary move (not a king's, not en
// passant, not a promotion) can then expose its own king, or give check, only
// along the lines through its from-square, or by the moved piece itself.
// Those few squares are looked at; every other case, and every move that may
// give check, goes to AfterMoveCheck itself, so the answers are the same.
#pragma once

#include "core/board.h"
#include "rules/check.h"

namespace bdvx {

class SilentTrial {
 public:
  // Looks at the board before any move of side: where both kings stand and
  // whether either is attacked.
  SilentTrial(const Board& board, int side);

  // Called with the move on the board (only the piece moved, as the scan
  // tries it); answers and writes checkState as AfterMoveCheck does in the
  // silent mode. The board is left as it came.
  AfterMove judge(Board& board, const PawnJumpRecord& pawnJump, CheckTable& checkState,
                  int piece, int fromRow, int fromCol, int toRow, int toCol,
                  int destinationBefore, int ruleResult) const;

 private:
  int side_;
  bool quick_ = false;  // one king each, neither attacked: the short answers hold
  int ownKingRow_ = 0;
  int ownKingCol_ = 0;
  int enemyKingRow_ = 0;
  int enemyKingCol_ = 0;
};

}  // namespace bdvx
