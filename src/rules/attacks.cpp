#include "rules/attacks.h"

#include "rules/piece_moves.h"

namespace bdvx {
namespace {

// Walks from (row, col) one (rowStep, colStep) at a time and gives the first
// piece met, with its square; 0 when the walk leaves the board first.
int FirstPieceOnWalk(const Board& board, int row, int col, int rowStep, int colStep,
                     int& metRow, int& metCol) {
  assert(rowStep != 0 || colStep != 0);
  int r = row + rowStep;
  int c = col + colStep;
  while (OnBoard(r, c)) {
    if (board(r, c) != kEmpty) {
      metRow = r;
      metCol = c;
      return board(r, c);
    }
    r += rowStep;
    c += colStep;
  }
  return kEmpty;
}

// The enemy slider of `king` standing on the far side of (row, col) on an
// open line to it, 0 when there is none. Diagonals are looked at first; the
// straight line only when (row, col) is not on a diagonal of the king.
int LineAttacker(const Board& board, int king, int kingRow, int kingCol, int row, int col,
                 int& attackerRow, int& attackerCol) {
  int result = kRuleNotAMove;
  int captureFlag = kCaptureNone;
  TestPieceMove(kBishop, row, col, kingRow, kingCol, result, captureFlag, 0);
  if (result == kRuleOrdinary) {
    if (TestPathClearAttack(board, kBishop, row, col, kingRow, kingCol, kRuleOrdinary) == 0) {
      return kEmpty;
    }
    const int rowStep = row < kingRow ? -1 : 1;
    const int colStep = col < kingCol ? -1 : 1;
    const int met = FirstPieceOnWalk(board, row, col, rowStep, colStep, attackerRow, attackerCol);
    const bool enemy = king * met < 0;
    return enemy && (Magnitude(met) == kQueen || Magnitude(met) == kBishop) ? met : kEmpty;
  }

  result = kRuleNotAMove;
  TestPieceMove(kRook, row, col, kingRow, kingCol, result, captureFlag, 0);
  if (result != kRuleOrdinary ||
      TestPathClearAttack(board, kRook, row, col, kingRow, kingCol, kRuleOrdinary) == 0) {
    return kEmpty;
  }
  // Away from the king along the column when on its column, else the row.
  const int step = (row < kingRow || col < kingCol) ? -1 : 1;
  const bool alongColumn = col == kingCol;
  const int met = FirstPieceOnWalk(board, row, col, alongColumn ? step : 0,
                                   alongColumn ? 0 : step, attackerRow, attackerCol);
  const bool enemy = king * met < 0;
  return enemy && (Magnitude(met) == kQueen || Magnitude(met) == kRook) ? met : kEmpty;
}

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

LineTest TestLineThroughSquare(const Board& board, int piece, int row, int col) {
  assert(OnBoard(row, col));
  LineTest line;
  for (const int king : {kKing, -kKing}) {  // the White king first
    int code = king;
    int kingRow = 0;
    int kingCol = 0;
    FindPiece(board, code, kingRow, kingCol);
    if (code == kNoPiece) return line;

    int attackerRow = 0;
    int attackerCol = 0;
    const int attacker = LineAttacker(board, king, kingRow, kingCol, row, col, attackerRow,
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

}  // namespace bdvx
