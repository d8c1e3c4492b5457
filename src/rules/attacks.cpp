#include "rules/attacks.h"


namespace bdvx {
namespace {

constexpr int Abs(int x) { return x < 0 ? -x : x; }
constexpr int Sign(int x) { return (x > 0) - (x < 0); }

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

// Every square strictly between (row, col) and (kingRow, kingCol), which lie
// on one row, column or diagonal, is empty.
bool GapEmpty(const Board& board, int row, int col, int kingRow, int kingCol) {
  const int rowStep = Sign(kingRow - row);
  const int colStep = Sign(kingCol - col);
  for (int r = row + rowStep, c = col + colStep; r != kingRow || c != kingCol;
       r += rowStep, c += colStep) {
    if (board(r, c) != kEmpty) return false;
  }
  return true;
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

int OpenLineAttacker(const Board& board, int king, int kingRow, int kingCol, int row, int col,
                     int& attackerRow, int& attackerCol) {
  const int dr = kingRow - row;
  const int dc = kingCol - col;
  if (dr != 0 && Abs(dr) == Abs(dc)) {
    if (!GapEmpty(board, row, col, kingRow, kingCol)) return kEmpty;
    const int met = FirstPieceOnWalk(board, row, col, -Sign(dr), -Sign(dc), attackerRow,
                                     attackerCol);
    const bool enemy = king * met < 0;
    return enemy && (Magnitude(met) == kQueen || Magnitude(met) == kBishop) ? met : kEmpty;
  }
  if (dr != 0 && dc != 0) return kEmpty;  // on no line of the king
  // The king's own square counts as on its column: the walk then goes on
  // toward row 8.
  if ((dr != 0 || dc != 0) && !GapEmpty(board, row, col, kingRow, kingCol)) return kEmpty;
  // Away from the king along the column when on its column, else the row.
  const int step = (row < kingRow || col < kingCol) ? -1 : 1;
  const bool alongColumn = col == kingCol;
  const int met = FirstPieceOnWalk(board, row, col, alongColumn ? step : 0,
                                   alongColumn ? 0 : step, attackerRow, attackerCol);
  const bool enemy = king * met < 0;
  return enemy && (Magnitude(met) == kQueen || Magnitude(met) == kRook) ? met : kEmpty;
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
