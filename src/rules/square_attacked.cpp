#include <array>

#include "rules/check.h"

namespace bdvx {
namespace {

// The eight rays from a square, in their scan order: 1 left, 2 up-left,
// 3 up, 4 up-right, 5 right, 6 down-right, 7 down, 8 down-left. The
// even-numbered rays (odd index here) are the diagonals.
struct Ray {
  int rowStep;
  int colStep;
};
constexpr std::array<Ray, 8> kRays = {{
    {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}}};

constexpr int Abs(int x) { return x < 0 ? -x : x; }

// The enemy king on the square or next to it.
bool KingNear(const Board& board, int enemy, int row, int col) {
  for (int r = row - 1; r <= row + 1; ++r) {
    for (int c = col - 1; c <= col + 1; ++c) {
      if (OnBoard(r, c) && board(r, c) == kKing * enemy) return true;
    }
  }
  return false;
}

// An enemy knight one jump away.
bool KnightNear(const Board& board, int enemy, int row, int col) {
  for (int r = row - 2; r <= row + 2; ++r) {
    if (r < 1 || r > 8 || r == row) continue;
    const int d = Abs(r - row) == 1 ? 2 : 1;
    if (col - d >= 1 && board(r, col - d) == kKnight * enemy) return true;
    if (col + d <= 8 && board(r, col + d) == kKnight * enemy) return true;
  }
  return false;
}

// The first piece on each ray: an enemy queen anywhere, a bishop on a
// diagonal, a rook on a straight ray.
bool SliderOnRay(const Board& board, int enemy, int row, int col) {
  for (std::size_t i = 0; i < kRays.size(); ++i) {
    const bool diagonal = i % 2 == 1;
    int r = row;
    int c = col;
    for (int step = 1; step <= 7; ++step) {
      r += kRays[i].rowStep;
      c += kRays[i].colStep;
      if (!OnBoard(r, c)) break;
      const int met = board(r, c);
      if (met == kEmpty) continue;
      if (met == kQueen * enemy) return true;
      if (diagonal && met == kBishop * enemy) return true;
      if (!diagonal && met == kRook * enemy) return true;
      break;
    }
  }
  return false;
}

// An enemy pawn that takes toward the square (en passant is not counted).
bool PawnNear(const Board& board, int enemy, int row, int col) {
  const int r = row + enemy;
  if (r < 1 || r > 8) return false;
  if (col - 1 >= 1 && board(r, col - 1) == kPawn * enemy) return true;
  if (col + 1 <= 8 && board(r, col + 1) == kPawn * enemy) return true;
  return false;
}

}  // namespace

bool SquareAttacked(const Board& board, int piece, int row, int col) {
  assert(OnBoard(row, col));
  if (!OnBoard(row, col)) return false;
  const int enemy = piece > 0 ? kBlack : kWhite;
  // A queen is never counted as attacked by the enemy king.
  if (Magnitude(piece) != kQueen && KingNear(board, enemy, row, col)) return true;
  return KnightNear(board, enemy, row, col) || SliderOnRay(board, enemy, row, col) ||
         PawnNear(board, enemy, row, col);
}

}  // namespace bdvx
