// Checkmate: a king in check whose side has no legal move. Every move of the
// side is tried on the board, the king's first, and kept when it leaves the
// king unattacked.
#include <array>

#include "rules/attacks.h"
#include "rules/check.h"

namespace bdvx {
namespace {

struct Step {
  int row;
  int col;
};
constexpr std::array<Step, 8> kKingSteps = {
    {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}}};
constexpr std::array<Step, 8> kKnightJumps = {
    {{-2, -1}, {-2, 1}, {-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {2, -1}, {2, 1}}};
constexpr std::array<Step, 4> kStraight = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
constexpr std::array<Step, 4> kDiagonal = {{{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}};

// Tries moves of one side on the board and says whether one of them leaves
// its king safe. Each trial is taken back before the next.
class EscapeSearch {
 public:
  EscapeSearch(Board& board, int side, const PawnJumpRecord& pawnJump)
      : board_(board), side_(side), pawnJump_(pawnJump) {
    int king = kKing * side;
    FindPiece(board, king, kingRow_, kingCol_);
  }

  // Would moving the piece on (fromRow, fromCol) to (toRow, toCol), taking
  // what stands there (and, en passant, the pawn on victimRow), leave the
  // king safe?
  bool safe(int fromRow, int fromCol, int toRow, int toCol, int victimRow = 0) {
    const int piece = board_(fromRow, fromCol);
    const int taken = board_(toRow, toCol);
    const int victim = victimRow != 0 ? board_(victimRow, toCol) : kEmpty;
    board_(toRow, toCol) = piece;
    board_(fromRow, fromCol) = kEmpty;
    if (victimRow != 0) board_(victimRow, toCol) = kEmpty;
    const bool kingMoves = fromRow == kingRow_ && fromCol == kingCol_;
    const bool attacked = SquareAttacked(board_, kKing * side_, kingMoves ? toRow : kingRow_,
                                         kingMoves ? toCol : kingCol_);
    if (victimRow != 0) board_(victimRow, toCol) = victim;
    board_(fromRow, fromCol) = piece;
    board_(toRow, toCol) = taken;
    return !attacked;
  }

  // A square the piece may step to: on the board and not held by its own side.
  bool open(int row, int col) const { return OnBoard(row, col) && board_(row, col) * side_ <= 0; }

  template <std::size_t N>
  bool anyStep(int row, int col, const std::array<Step, N>& steps) {
    for (const Step& s : steps) {
      if (open(row + s.row, col + s.col) && safe(row, col, row + s.row, col + s.col)) return true;
    }
    return false;
  }

  template <std::size_t N>
  bool anySlide(int row, int col, const std::array<Step, N>& rays) {
    for (const Step& ray : rays) {
      for (int r = row + ray.row, c = col + ray.col; open(r, c); r += ray.row, c += ray.col) {
        if (safe(row, col, r, c)) return true;
        if (board_(r, c) != kEmpty) break;  // a capture ends the ray
      }
    }
    return false;
  }

  // Forward one step onto an empty square, two from the home row over two
  // empty squares, diagonally onto an enemy or onto the en-passant target.
  bool anyPawnMove(int row, int col) {
    const int ahead = row - side_;  // White pawns go toward row 1
    if (ahead < 1 || ahead > 8) return false;
    if (board_(ahead, col) == kEmpty) {
      if (safe(row, col, ahead, col)) return true;
      const int homeRow = side_ > 0 ? 7 : 2;
      const int twoAhead = ahead - side_;
      if (row == homeRow && board_(twoAhead, col) == kEmpty && safe(row, col, twoAhead, col)) {
        return true;
      }
    }
    for (const int c : {col - 1, col + 1}) {
      if (c < 1 || c > 8) continue;
      if (board_(ahead, c) * side_ < 0 && safe(row, col, ahead, c)) return true;
      const bool enPassant = board_(ahead, c) == kEmpty && pawnJump_.code * side_ < 0 &&
                             pawnJump_.row == ahead && pawnJump_.col == c;
      if (enPassant && safe(row, col, ahead, c, EnPassantVictimRow(side_))) return true;
    }
    return false;
  }

  bool anyMoveOf(int row, int col) {
    switch (Magnitude(board_(row, col))) {
      case kKing: return anyStep(row, col, kKingSteps);
      case kKnight: return anyStep(row, col, kKnightJumps);
      case kBishop: return anySlide(row, col, kDiagonal);
      case kRook: return anySlide(row, col, kStraight);
      case kQueen: return anySlide(row, col, kDiagonal) || anySlide(row, col, kStraight);
      case kPawn: return anyPawnMove(row, col);
      default: return false;  // codes that name no piece never move
    }
  }

  // The king's own steps first: they answer most checks.
  bool anyMove() {
    if (kingRow_ != 0 && anyMoveOf(kingRow_, kingCol_)) return true;
    for (int r = 1; r <= 8; ++r) {
      for (int c = 1; c <= 8; ++c) {
        if (board_(r, c) * side_ <= 0 || (r == kingRow_ && c == kingCol_)) continue;
        if (anyMoveOf(r, c)) return true;
      }
    }
    return false;
  }

 private:
  Board& board_;
  int side_;
  const PawnJumpRecord& pawnJump_;
  int kingRow_ = 0;
  int kingCol_ = 0;
};

}  // namespace

bool TestCheckmate(Board& board, int defenderSide, const PawnJumpRecord& pawnJump) {
  assert(defenderSide == kWhite || defenderSide == kBlack);
  if (!KingInCheck(board, defenderSide)) return false;
  EscapeSearch search(board, defenderSide, pawnJump);
  return !search.anyMove();
}

}  // namespace bdvx
