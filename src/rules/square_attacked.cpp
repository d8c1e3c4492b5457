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

// Calls found(row, col) for every piece of side `enemy` that attacks
// (row, col), in the order king, knights, lines, pawns, until found answers
// true; returns whether it did. The enemy king counts only when kingCounts.
template <typename Found>
bool VisitAttackers(const Board& board, int enemy, int row, int col, bool kingCounts,
                    Found found) {
  // The enemy king on the square or next to it.
  if (kingCounts) {
    for (int r = row - 1; r <= row + 1; ++r) {
      for (int c = col - 1; c <= col + 1; ++c) {
        if (OnBoard(r, c) && board(r, c) == kKing * enemy && found(r, c)) return true;
      }
    }
  }
  // Enemy knights one jump away.
  for (int r = row - 2; r <= row + 2; ++r) {
    if (r < 1 || r > 8 || r == row) continue;
    const int d = Abs(r - row) == 1 ? 2 : 1;
    if (col - d >= 1 && board(r, col - d) == kKnight * enemy && found(r, col - d)) return true;
    if (col + d <= 8 && board(r, col + d) == kKnight * enemy && found(r, col + d)) return true;
  }
  // The first piece on each ray: an enemy queen anywhere, a bishop on a
  // diagonal, a rook on a straight ray.
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
      const bool slider = met == kQueen * enemy || (diagonal && met == kBishop * enemy) ||
                          (!diagonal && met == kRook * enemy);
      if (slider && found(r, c)) return true;
      break;
    }
  }
  // Enemy pawns that take toward the square (en passant is not counted).
  const int r = row + enemy;
  if (r >= 1 && r <= 8) {
    if (col - 1 >= 1 && board(r, col - 1) == kPawn * enemy && found(r, col - 1)) return true;
    if (col + 1 <= 8 && board(r, col + 1) == kPawn * enemy && found(r, col + 1)) return true;
  }
  return false;
}

}  // namespace

bool SquareAttacked(const Board& board, int piece, int row, int col) {
  assert(OnBoard(row, col));
  if (!OnBoard(row, col)) return false;
  const int enemy = piece > 0 ? kBlack : kWhite;
  // A queen is never counted as attacked by the enemy king.
  return VisitAttackers(board, enemy, row, col, Magnitude(piece) != kQueen,
                        [](int, int) { return true; });
}

Checkers FindCheckers(const Board& board, int kingRow, int kingCol) {
  assert(OnBoard(kingRow, kingCol));
  Checkers checkers;
  const int enemy = board(kingRow, kingCol) > 0 ? kBlack : kWhite;
  VisitAttackers(board, enemy, kingRow, kingCol, true, [&checkers](int r, int c) {
    checkers.add(r, c);
    return false;
  });
  return checkers;
}

}  // namespace bdvx
