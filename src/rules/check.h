// Check and checkmate after a move has been put on the board: may the move
// stand, and what does it do to the other side. Both are judged as chess
// judges them, on the board the move leaves; nothing here prints: the move
// execution tells the player what the judgement found.
#pragma once

#include <array>

#include "core/board.h"

namespace bdvx {

// CheckScore
constexpr int kNoCheck = 0;
constexpr int kSingleCheck = 50;
constexpr int kDoubleCheck = 100;
constexpr int kCheckmate = 1000;
constexpr int kMateThreshold = 999;  // a score above this ends the game

constexpr int kAnnounceMode = 1;  // the game's own moves
constexpr int kSilentMode = 2;    // the computer player's trials

// true when a piece of the side opposite to piece attacks (row, col). A queen
// is never counted as attacked by the enemy king; en passant is not counted.
bool SquareAttacked(const Board& board, int piece, int row, int col);

// The pieces that attack a king: how many, and their squares in the order
// they were found (the first kMaxListed of them).
struct Checkers {
  static constexpr int kMaxListed = 8;
  int count = 0;
  std::array<int, kMaxListed> rows{};
  std::array<int, kMaxListed> cols{};

  void add(int row, int col) {
    if (count < kMaxListed) {
      rows[static_cast<std::size_t>(count)] = row;
      cols[static_cast<std::size_t>(count)] = col;
    }
    ++count;
  }
  bool includes(int row, int col) const;
};

// Every piece of the other side attacking the king that stands on
// (kingRow, kingCol).
Checkers FindCheckers(const Board& board, int kingRow, int kingCol);

// true when the king of side (the first one in row-major order) stands
// attacked; a side without a king is never in check.
bool KingInCheck(const Board& board, int side);

// true when the king of defenderSide is in check and that side has no legal
// move (castling never answers a check). pawnJump is the en-passant target
// the defender may take. The board is changed for the trials and restored.
bool TestCheckmate(Board& board, int defenderSide, const PawnJumpRecord& pawnJump);

// Fills CheckState with the checkers of the king on (kingRow, kingCol): row 1
// holds the piece on (movedRow, movedCol) when it is one of them, row 2 a
// checker that is not; with no moved piece (movedRow 0) the first checker
// goes to row 1 and the second to row 2. An unused row is all 0.
void RecordCheckers(const Board& board, const Checkers& checkers, int kingRow, int kingCol,
                    int movedRow, int movedCol, CheckTable& checkState);

struct AfterMove {
  int checkScore = kNoCheck;
  bool moveCanceled = false;
  bool discoveredCheck = false;  // a piece other than the one that moved gives check
  bool directCheck = false;      // the moved piece, or a castling rook, gives check
};

// Called with the move already on the board: in the announcing mode with a
// castling rook beside its king and a promoted pawn replaced by its new
// piece; in the silent mode only the piece itself moved. destinationBefore
// is what stood on the to-square; ruleResult is the move's MoveRuleResult
// (4 castling, 2 promotion). The move is judged on the board it leaves: the
// pawn taken en passant gone, the castling rook beside its king and, in the
// silent mode, a promoting pawn as a queen. The move may not stand when it
// leaves its own king attacked, castles out of or across an attack, takes
// diagonally onto an empty square that is no en-passant target, or (silent
// mode only) puts a queen where the enemy attacks it. When it stands,
// checkState records the checks it gives and lastMoverSide becomes piece;
// the board is always left as it came.
AfterMove AfterMoveCheck(Board& board, const PawnJumpRecord& pawnJump, CheckTable& checkState,
                         int piece, int fromRow, int fromCol, int toRow, int toCol,
                         int destinationBefore, int ruleResult, int mode, int& lastMoverSide);

// The square of the pawn an en-passant capture takes: beside the passed-over
// square, on row 4 for a White taker and on row 5 for a Black one.
constexpr int EnPassantVictimRow(int taker) { return taker > 0 ? 4 : 5; }

}  // namespace bdvx
