#include "engine/destinations.h"

#include "rules/piece_moves.h"

namespace bdvx {

namespace {

constexpr int Min(int a, int b) { return a < b ? a : b; }
constexpr int Max(int a, int b) { return a > b ? a : b; }

// A square the scanning side may move to: empty or held by the enemy.
bool Open(const Board& board, int side, int row, int col) { return side * board(row, col) < 1; }

// The squares of a slider, ray by ray up to the first piece (taken when it is
// an enemy), listed row by row: for each row the up-left diagonal, the column
// and the up-right diagonal as they meet it, the own row left to right.
class SliderRays {
 public:
  SliderRays(const Board& board, int side, int row, int col, bool straight, bool diagonal)
      : row_(row), col_(col) {
    // Directions: 0 up-left, 1 up, 2 up-right, 3 left, 4 right, 5 down-left,
    // 6 down, 7 down-right ("up" toward row 1).
    constexpr int kRowStep[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
    constexpr int kColStep[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
    for (int d = 0; d < 8; ++d) {
      const bool isDiagonal = kRowStep[d] != 0 && kColStep[d] != 0;
      if (isDiagonal ? !diagonal : !straight) continue;
      int r = row + kRowStep[d];
      int c = col + kColStep[d];
      while (OnBoard(r, c)) {
        if (board(r, c) != kEmpty) {
          if (Open(board, side, r, c)) ++length_[d];
          break;
        }
        ++length_[d];
        r += kRowStep[d];
        c += kColStep[d];
      }
    }
  }

  void list(DestinationList& out) const {
    for (int k = Max(length_[0], Max(length_[1], length_[2])); k >= 1; --k) {
      if (k <= length_[0]) out.add(row_ - k, col_ - k, kRuleOrdinary);
      if (k <= length_[1]) out.add(row_ - k, col_, kRuleOrdinary);
      if (k <= length_[2]) out.add(row_ - k, col_ + k, kRuleOrdinary);
    }
    for (int k = length_[3]; k >= 1; --k) out.add(row_, col_ - k, kRuleOrdinary);
    for (int k = 1; k <= length_[4]; ++k) out.add(row_, col_ + k, kRuleOrdinary);
    const int below = Max(length_[5], Max(length_[6], length_[7]));
    for (int k = 1; k <= below; ++k) {
      if (k <= length_[5]) out.add(row_ + k, col_ - k, kRuleOrdinary);
      if (k <= length_[6]) out.add(row_ + k, col_, kRuleOrdinary);
      if (k <= length_[7]) out.add(row_ + k, col_ + k, kRuleOrdinary);
    }
  }

 private:
  int row_;
  int col_;
  int length_[8] = {};  // squares the piece may go to along each direction
};

// The eight jumps in row-major order.
void KnightDestinations(const Board& board, int side, int row, int col, DestinationList& out) {
  constexpr int kJumps[8][2] = {{-2, -1}, {-2, 1}, {-1, -2}, {-1, 2},
                                {1, -2},  {1, 2},  {2, -1},  {2, 1}};
  for (const auto& jump : kJumps) {
    const int r = row + jump[0];
    const int c = col + jump[1];
    if (OnBoard(r, c) && Open(board, side, r, c)) out.add(r, c, kRuleOrdinary);
  }
}

// The pawn's box: a straight step onto an empty square, the two-square step
// from its home row over two empty squares, a diagonal step onto an enemy or
// onto the remembered jump square (whatever its colour: the trial judges
// that). The far row gives a promotion.
void PawnDestinations(const Board& board, const PawnJumpRecord& pawnJump, int piece, int row,
                      int col, DestinationList& out) {
  const int side = piece > 0 ? kWhite : kBlack;
  const int ahead = row - side;  // White pawns go toward row 1
  const int farRow = side > 0 ? 1 : 8;
  const int homeRow = side > 0 ? 7 : 2;
  // The box: the two rows ahead in row order, the columns beside.
  const int firstRow = side > 0 ? row - 2 : row + 1;
  const int colLo = Max(1, col - 1);
  const int colHi = Min(8, col + 1);
  for (int r = Max(1, firstRow); r <= Min(8, firstRow + 1); ++r) {
    if (r != ahead) {  // two rows ahead: the jump from the home row
      if (row == homeRow && board(r, col) == kEmpty && board(ahead, col) == kEmpty) {
        out.add(r, col, kRuleOrdinary);
      }
      continue;
    }
    const int result = r == farRow ? kRulePromotion : kRuleOrdinary;
    for (int c = colLo; c <= colHi; ++c) {
      const int there = board(r, c);
      if (c == col) {
        if (there == kEmpty) out.add(r, c, result);
        continue;
      }
      const bool jumpSquare = pawnJump.code != 0 && pawnJump.row == r && pawnJump.col == c;
      if ((side * there < 0 || jumpSquare) && side * there < 1) out.add(r, c, result);
    }
  }
}

// The king's box: single steps, and from column 5 of a back row the two
// castling jumps, which the full legality test judges.
void KingDestinations(const Board& board, int piece, int row, int col, int side,
                      int queenSideOK, int kingSideOK, DestinationList& out) {
  const DestinationRange box = DestinationBox(piece, row, col);
  for (int r = box.rowLo; r <= box.rowHi; ++r) {
    for (int c = box.colLo; c <= box.colHi; ++c) {
      if (r == row && c == col) continue;
      if (c - col == 2 || col - c == 2) {
        const int castleFlag = c <= 5 ? queenSideOK : kingSideOK;
        const int result =
            CandidateLegal(board, piece, row, col, r, c, side, kCaptureNone, castleFlag);
        if (result != 0) out.add(r, c, result);
        continue;
      }
      if (Open(board, side, r, c)) out.add(r, c, kRuleOrdinary);
    }
  }
}

}  // namespace

DestinationRange DestinationBox(int piece, int row, int col) {
  DestinationRange box;  // sliders keep the whole board
  switch (Magnitude(piece)) {
    case kKing:
      box.rowLo = Max(1, row - 1);
      box.rowHi = Min(8, row + 1);
      box.colLo = Max(1, col - 1);
      box.colHi = Min(8, col + 1);
      if (col == 5 && (row == 1 || row == 8)) {
        box.colLo = 3;  // both castling destinations
        box.colHi = 7;
      }
      break;
    case kKnight:
      if (row > 2) box.rowLo = row - 2;
      if (row < 7) box.rowHi = row + 2;
      if (col > 2) box.colLo = col - 2;
      if (col < 7) box.colHi = col + 2;
      break;
    case kPawn:
      box.rowLo = piece < 0 ? row + 1 : row - 2;
      box.rowHi = piece < 0 ? row + 2 : row - 1;
      box.colLo = Max(1, col - 1);
      box.colHi = Min(8, col + 1);
      box.rowLo = Max(1, box.rowLo);
      box.rowHi = Min(8, box.rowHi);
      break;
    default:
      break;
  }
  return box;
}

int CandidateLegal(const Board& board, int piece, int fromRow, int fromCol, int toRow,
                   int toCol, int side, int captureFlag, int castleAllowed) {
  const int kind = Magnitude(piece);
  if (toRow == fromRow && toCol == fromCol) return 0;
  if (kind == kRook && toRow != fromRow && toCol != fromCol) return 0;
  if (kind == kBishop && (toRow == fromRow || toCol == fromCol)) return 0;
  if (side * board(toRow, toCol) >= 1) return 0;
  int result = kRuleNotAMove;
  int flag = captureFlag;
  TestPieceMove(piece, fromRow, fromCol, toRow, toCol, result, flag, castleAllowed);
  if (result == kRuleNotAMove || result == kRuleCastleRefused || result == kRuleNeverMoves) {
    return 0;
  }
  return TestPathClearMoveOnly(board, piece, fromRow, fromCol, toRow, toCol, result) == 0
             ? 0
             : result;
}

void FindDestinations(const Board& board, const PawnJumpRecord& pawnJump, int piece, int row,
                      int col, int side, int queenSideOK, int kingSideOK,
                      DestinationList& list) {
  assert(side * piece > 0);
  list.count = 0;
  switch (Magnitude(piece)) {
    case kPawn:
      PawnDestinations(board, pawnJump, piece, row, col, list);
      break;
    case kKnight:
      KnightDestinations(board, side, row, col, list);
      break;
    case kBishop:
      SliderRays(board, side, row, col, false, true).list(list);
      break;
    case kRook:
      SliderRays(board, side, row, col, true, false).list(list);
      break;
    case kQueen:
      SliderRays(board, side, row, col, true, true).list(list);
      break;
    case kKing:
      KingDestinations(board, piece, row, col, side, queenSideOK, kingSideOK, list);
      break;
    default:  // codes that name no piece never move
      break;
  }
}

}  // namespace bdvx
