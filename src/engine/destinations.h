// Where a piece may go in the candidate scan: the rectangle of destinations
// it is tried on, the quick legality test of one destination, and the list of
// the destinations that pass, found directly (rays up to the first piece,
// knight jumps, pawn steps) in the rectangle's row-major order, which the
// scan's scores depend on.
#pragma once

#include <array>

#include "core/board.h"

namespace bdvx {

// The rectangle of destinations tried for a piece, inclusive; an empty range
// (lo > hi) tries nothing.
struct DestinationRange {
  int rowLo = 1;
  int rowHi = 8;
  int colLo = 1;
  int colHi = 8;
};
DestinationRange DestinationBox(int piece, int row, int col);

// The quick legality test of a candidate. Returns the move's MoveRuleResult
// (1 ordinary, 2 promotion, 4 castling) when the move passes, 0 when it does
// not. captureFlag comes from TestPawnCapture for the same squares.
int CandidateLegal(const Board& board, int piece, int fromRow, int fromCol, int toRow,
                   int toCol, int side, int captureFlag, int castleAllowed);

struct Destination {
  int row = 0;
  int col = 0;
  int ruleResult = 0;  // 1 ordinary, 2 promotion, 4 castling
};

// At most 27 for a queen; a king's box has 15 squares.
struct DestinationList {
  static constexpr int kMaxDestinations = 32;
  int count = 0;
  std::array<Destination, kMaxDestinations> items{};

  void add(int row, int col, int ruleResult) {
    assert(count < kMaxDestinations);
    items[static_cast<std::size_t>(count++)] = Destination{row, col, ruleResult};
  }
};

// Every square of the piece's DestinationBox, in row-major order, for which
// TestPawnCapture and CandidateLegal give a move, with the result
// CandidateLegal gives. The king's castle flag for a destination column is
// queenSideOK for columns 1 to 5 and kingSideOK for 6 to 8.
void FindDestinations(const Board& board, const PawnJumpRecord& pawnJump, int piece, int row,
                      int col, int side, int queenSideOK, int kingSideOK,
                      DestinationList& list);

}  // namespace bdvx
