#include "rules/attacks.h"

namespace bdvx {
namespace {

constexpr int Abs(int x) { return x < 0 ? -x : x; }
constexpr int Sign(int x) { return (x > 0) - (x < 0); }

}  // namespace

void FindPiece(const Board& board, int& code, int& row, int& col) {
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      if (board(r, c) == code) {
        row = r;
        col = c;
        return;
      }
    }
  }
  row = 0;
  col = 0;
  code = kNoPiece;
}

KingsOnBoard FindKings(const Board& board) {
  KingsOnBoard kings;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      if (board(r, c) == -kKing) kings.black = true;
      if (board(r, c) == kKing) kings.white = true;
    }
  }
  return kings;
}

int OpenLineAttacker(const Board& board, int king, int kingRow, int kingCol, int row, int col,
                     int& attackerRow, int& attackerCol) {
  const int dr = row - kingRow;
  const int dc = col - kingCol;
  const bool diagonal = dr != 0 && Abs(dr) == Abs(dc);
  if (!diagonal && dr != 0 && dc != 0) return kEmpty;  // on no line of the king
  // One walk from the king through (row, col): empty up to it, then the
  // first piece beyond. The king's own square goes on toward row 8.
  const int rowStep = dr == 0 && dc == 0 ? 1 : Sign(dr);
  const int colStep = Sign(dc);
  int r = kingRow + rowStep;
  int c = kingCol + colStep;
  if (dr != 0 || dc != 0) {
    for (; r != row || c != col; r += rowStep, c += colStep) {
      if (board(r, c) != kEmpty) return kEmpty;
    }
    r += rowStep;
    c += colStep;
  }
  for (; OnBoard(r, c); r += rowStep, c += colStep) {
    const int met = board(r, c);
    if (met == kEmpty) continue;
    attackerRow = r;
    attackerCol = c;
    const bool slider = Magnitude(met) == kQueen || Magnitude(met) == (diagonal ? kBishop : kRook);
    return king * met < 0 && slider ? met : kEmpty;
  }
  return kEmpty;
}

KingSquares FindKingSquares(const Board& board) {
  KingSquares kings;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      if (board(r, c) == kKing && kings.whiteRow == 0) {
        kings.whiteRow = r;
        kings.whiteCol = c;
      }
      if (board(r, c) == -kKing && kings.blackRow == 0) {
        kings.blackRow = r;
        kings.blackCol = c;
      }
    }
  }
  return kings;
}

LineTest TestLineThroughSquare(const Board& board, int piece, int row, int col) {
  return TestLineThroughSquare(board, FindKingSquares(board), piece, row, col);
}

LineTest TestLineThroughSquare(const Board& board, const KingSquares& kings, int piece,
                               int row, int col) {
  assert(OnBoard(row, col));
  LineTest line;
  for (const int king : {kKing, -kKing}) {  // the White king first
    const int kingRow = king > 0 ? kings.whiteRow : kings.blackRow;
    const int kingCol = king > 0 ? kings.whiteCol : kings.blackCol;
    if (kingRow == 0) return line;  // a missing king ends the test

    int attackerRow = 0;
    int attackerCol = 0;
    const int attacker = OpenLineAttacker(board, king, kingRow, kingCol, row, col, attackerRow,
                                      attackerCol);
    if (attacker == kEmpty) continue;

    const bool ownKing = king > 0 ? piece > 0 : piece < 0;
    line.score += ownKing ? kLineShields : kLineDiscovers;
    line.attacker = attacker;
    line.attackerRow = attackerRow;
    line.attackerCol = attackerCol;
    line.kingRow = kingRow;
    line.kingCol = kingCol;
    if (line.score > kLineDiscovers) return line;
  }
  return line;
}

LineTest TestPin(const Board& board, const KingSquares& kings, int piece, int row, int col) {
  assert(OnBoard(row, col) && piece != kEmpty);
  LineTest line;
  if (kings.whiteRow == 0) return line;  // the full test stops at a missing White king
  const int king = piece > 0 ? kKing : -kKing;
  const int kingRow = piece > 0 ? kings.whiteRow : kings.blackRow;
  const int kingCol = piece > 0 ? kings.whiteCol : kings.blackCol;
  const int dr = Abs(row - kingRow);
  const int dc = Abs(col - kingCol);
  if (kingRow == 0 || (dr != 0 && dc != 0 && dr != dc)) return line;  // off the king's lines
  line.attacker =
      OpenLineAttacker(board, king, kingRow, kingCol, row, col, line.attackerRow, line.attackerCol);
  if (line.attacker == kEmpty) return LineTest{};
  line.score = kLineShields;
  line.kingRow = kingRow;
  line.kingCol = kingCol;
  return line;
}

}  // namespace bdvx
