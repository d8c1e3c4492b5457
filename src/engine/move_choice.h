// The computer's move: every candidate scored, lowered by half the player's
// best reply while the game is young enough for the level, ties tossed.
#pragma once

#include "core/board.h"
#include "core/random_source.h"

namespace bdvx {

// Watches the choice for the analysis tool; the game passes none.
class ChoiceObserver {
 public:
  virtual ~ChoiceObserver() = default;
  // A candidate reached the comparison: its running score after the reply
  // deduction, the reply score (0 when no reply search ran), whether a reply
  // search ran and the private reply record at that moment.
  virtual void candidate(const MoveRecord& move, int score, int replyScore,
                         bool replySearched, const MoveRecord& replyRecord) = 0;
  virtual void mate(const MoveRecord& move) = 0;
};

// Writes only computerMove (piece 0: resign) and hintMove (piece 0: none);
// the board and checkState are as on entry when it returns. One number is
// drawn from random for every candidate that reaches the comparison.
void ChooseComputerMove(RandomSource& random, Board& board, const ParseArray& parse,
                        MoveRecord& computerMove, MoveRecord& hintMove, int side,
                        int queenSideOK, int kingSideOK, CheckTable& checkState,
                        const PawnJumpRecord& pawnJump, int moveNumber, int hintLimit,
                        ChoiceObserver* observer = nullptr);

}  // namespace bdvx
