// Check and checkmate after a move has been put on the board: may the move
// stand, and what does it do to the other side.
#pragma once

#include <string>

#include "console/console.h"
#include "game/board.h"

namespace bdvx {

// CheckScore
constexpr int kNoCheck = 0;
constexpr int kSingleCheck = 50;
constexpr int kDoubleCheck = 100;
constexpr int kCheckmate = 1000;
constexpr int kMateThreshold = 999;  // a score above this ends the game

constexpr int kAnnounceMode = 1;  // the game's own moves: messages, cues
constexpr int kSilentMode = 2;    // the computer player's trials

// true when a piece of the side opposite to piece attacks (row, col).
bool SquareAttacked(const Board& board, int piece, int row, int col);

// true when the king on (kingRow, kingCol), attacked by attacker from its
// square, cannot escape, take the checker or block. The board is changed for
// the king's trial squares and restored.
bool TestCheckmate(Console& con, Board& board, const PawnJumpRecord& pawnJump,
                   int attacker, int attackerRow, int attackerCol, int kingRow,
                   int kingCol);

struct AfterMove {
  int checkScore = kNoCheck;
  bool moveCanceled = false;
};

// The announcing context of mode 1; mode 2 uses none of it.
struct Announcer {
  int& msgRow;
  const std::string& voice;
  const std::string& playerLetter;
};

// Called with the move already on the board (a castling rook already moved).
// ruleResult is the move's MoveRuleResult; only 4 (castling) is looked at.
// Updates checkState and, when the move stands, lastMoverSide. In mode 1 it
// writes the check lines, plays the check cue to the player and puts a
// cancelled castling's rook back.
AfterMove AfterMoveCheck(Console& con, Board& board, const PawnJumpRecord& pawnJump,
                         CheckTable& checkState, int piece, int fromRow, int fromCol,
                         int toRow, int toCol, int ruleResult, int mode,
                         int& lastMoverSide, const Announcer& announcer);

}  // namespace bdvx
