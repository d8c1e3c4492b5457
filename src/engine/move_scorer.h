// The static value of one move for the side that makes it: the whole of the
// computer player's judgement, used for its own moves and for the replies.
#pragma once

#include "core/board.h"

namespace bdvx {

// The move to be scored, as the scans hand it over.
struct ScoredMove {
  int fromRow = 0;
  int fromCol = 0;
  int toRow = 0;
  int toCol = 0;
  int side = 0;          // +1 White, -1 Black: the mover
  int queenSideOK = 0;   // the mover's castling permissions
  int kingSideOK = 0;
  int castleFlag = 0;    // the permission that applies to the destination column
  int checkScore = 0;    // 0, 50 or 100
  int ruleResult = 0;    // 1 ordinary, 2 promotion, 4 castling
};

// What the distance terms measure against: the first enemy king and the
// first enemy queen in row-major order (row 0: not on the board). A scan
// finds them once for all its moves, which are scored on the same board.
struct ScoreTargets {
  int kingRow = 0;
  int kingCol = 0;
  int queenRow = 0;
  int queenCol = 0;
};

// Scores the move on the board before it is made, with that board's parse
// array and the targets of move.side on it. Writes score only when the mover
// controls the destination; otherwise score keeps the caller's value. Reads
// the board only.
void ScoreMove(const Board& board, const ParseArray& parse, const ScoreTargets& targets,
               const ScoredMove& move, int& score);

// The knight's fork term: 3 for every enemy piece the knight on (toRow, toCol)
// would attack, targets on columns 1 and 8 not counted.
int ForkBonus(const Board& board, int piece, int toRow, int toCol);

}  // namespace bdvx
