#include "rules/piece_moves.h"

namespace bdvx {
namespace {

constexpr int Abs(int x) { return x < 0 ? -x : x; }
constexpr int Sign(int x) { return (x > 0) - (x < 0); }

// The pawn's steps: one forward (2 on the far row), two forward from its
// home row (flagging the jump), one diagonally only when captureFlag is 1.
int PawnRule(int piece, int fromRow, int fromCol, int toRow, int toCol, int& captureFlag) {
  const int dr = toRow - fromRow;
  const int dc = toCol - fromCol;
  const bool stepOk = Abs(dr) == 1 || (Abs(dr) == 2 && dc == 0);
  const bool sideOk = dc == 0 || (Abs(dc) == 1 && captureFlag == kCaptureDiagonal);
  if (!stepOk || !sideOk) return kRuleNotAMove;

  if (piece < 0) {  // Black pawns advance toward row 8
    if (toRow == fromRow + 1) return toRow == 8 ? kRulePromotion : kRuleOrdinary;
    if (dc == 0 && fromRow == 2 && toRow == 4) {
      captureFlag = kCapturePawnJump;
      return kRuleOrdinary;
    }
    return kRuleNotAMove;
  }
  // White pawns advance toward row 1
  if (toRow == fromRow - 1) return toRow == 1 ? kRulePromotion : kRuleOrdinary;
  if (dc == 0 && fromRow == 7 && toRow == 5) {
    captureFlag = kCapturePawnJump;
    return kRuleOrdinary;
  }
  return kRuleNotAMove;
}

// Two squares one knight's jump apart.
int KnightRule(int dr, int dc) {
  const bool jump = (Abs(dr) == 2 && Abs(dc) == 1) || (Abs(dr) == 1 && Abs(dc) == 2);
  return jump ? kRuleOrdinary : kRuleNotAMove;
}

// A diagonal of one to seven squares; the from-square itself is no move.
int BishopRule(int dr, int dc) {
  return (Abs(dr) == Abs(dc) && Abs(dr) >= 1) ? kRuleOrdinary : kRuleNotAMove;
}

// Same row or same column; the from-square itself passes.
int RookRule(int dr, int dc) { return (dr == 0 || dc == 0) ? kRuleOrdinary : kRuleNotAMove; }

// One square any way, or a jump along the back row from the king's file:
// 4 for a two-column jump that may castle, 3 for any other such jump.
int KingRule(int fromRow, int fromCol, int toRow, int dr, int dc, int castleAllowed) {
  if (Abs(dr) < 2 && Abs(dc) < 2) return kRuleOrdinary;
  if (fromCol == 5 && (fromRow == 1 || fromRow == 8) && toRow == fromRow) {
    int result = kRuleCastleRefused;
    if (Abs(dc) == 2) result = kRuleCastle;
    if (castleAllowed == 0) result = kRuleCastleRefused;
    return result;
  }
  return kRuleNotAMove;
}

// Every square of row `row` strictly between the two columns is empty.
bool RowGapEmpty(const Board& board, int row, int colA, int colB) {
  const int lo = colA < colB ? colA : colB;
  const int hi = colA < colB ? colB : colA;
  for (int c = lo + 1; c < hi; ++c) {
    if (board(row, c) != kEmpty) return false;
  }
  return true;
}

// Every square of column `col` strictly between the two rows is empty.
bool ColumnGapEmpty(const Board& board, int col, int rowA, int rowB) {
  const int lo = rowA < rowB ? rowA : rowB;
  const int hi = rowA < rowB ? rowB : rowA;
  for (int r = lo + 1; r < hi; ++r) {
    if (board(r, col) != kEmpty) return false;
  }
  return true;
}

// The straight walk: the row between the columns, or the from-column between
// the rows; single steps are never blocked.
int RookWalk(const Board& board, int fromRow, int fromCol, int toRow, int toCol) {
  if (fromRow == toRow && Abs(toCol - fromCol) != 1 &&
      !RowGapEmpty(board, fromRow, fromCol, toCol)) {
    return 0;
  }
  if (fromRow != toRow && Abs(toRow - fromRow) != 1 &&
      !ColumnGapEmpty(board, fromCol, fromRow, toRow)) {
    return 0;
  }
  return 1;
}

// The diagonal walk, row by row from the end with the smaller row, the column
// moving one step per row toward the other end's column.
int BishopWalk(const Board& board, int fromRow, int fromCol, int toRow, int toCol) {
  if (Abs(toRow - fromRow) == 1) return 1;
  const bool fromFirst = fromRow < toRow;
  const int startRow = fromFirst ? fromRow : toRow;
  const int startCol = fromFirst ? fromCol : toCol;
  const int endRow = fromFirst ? toRow : fromRow;
  const int endCol = fromFirst ? toCol : fromCol;
  const int colStep = Sign(endCol - startCol);
  for (int i = 1; startRow + i < endRow; ++i) {
    const int r = startRow + i;
    const int c = startCol + i * colStep;
    if (!OnBoard(r, c)) break;  // only a step that is no diagonal gets here
    if (board(r, c) != kEmpty) return 0;
  }
  return 1;
}

// The pawn's straight steps are blocked by anything on the destination or,
// for the two-square step, on the square it passes; diagonals never are.
int PawnWalk(const Board& board, int fromRow, int fromCol, int toRow, int toCol) {
  int clear = 1;
  if (board(toRow, toCol) != kEmpty && toCol == fromCol) clear = 0;
  int middleRow = toRow;
  if (fromRow == 7 && toRow == 5) middleRow = 6;
  if (fromRow == 2 && toRow == 4) middleRow = 3;
  if (board(middleRow, toCol) != kEmpty && toCol == fromCol) clear = 0;
  return clear;
}

// The answer of the path test, and the rook jump a castling try asks for.
struct PathAnswer {
  int clear = 1;
  int rookFromCol = 0;  // 0: no rook to move
  int rookToCol = 0;
};

// The king's path: the back-row squares it jumps over, then for a castling
// jump its empty landing square, the rook of the row's side in its corner and
// the squares beside it.
PathAnswer KingWalk(const Board& board, int fromRow, int fromCol, int toCol, int ruleResult,
                    int attackMode) {
  PathAnswer answer;
  if ((fromRow == 1 || fromRow == 8) && Abs(toCol - fromCol) > 1 &&
      !RowGapEmpty(board, fromRow, fromCol, toCol)) {
    answer.clear = 0;
    return answer;
  }
  if (ruleResult == kRuleOrdinary) return answer;
  if (attackMode == kAttackMode) {  // a king's jump never attacks anything
    answer.clear = 0;
    return answer;
  }
  // The king's landing square must be empty: castling never takes a piece.
  if (board(fromRow, toCol) != kEmpty) {
    answer.clear = 0;
    return answer;
  }
  const int rook = fromRow == 1 ? -kRook : kRook;
  if (toCol == 3) {
    if (board(fromRow, 1) != rook || board(fromRow, 2) != kEmpty ||
        board(fromRow, 4) != kEmpty) {
      answer.clear = 0;
      return answer;
    }
    if (ruleResult != kRuleCastle) {
      answer.rookFromCol = 1;
      answer.rookToCol = 4;
    }
    return answer;
  }
  if (board(fromRow, 8) != rook || board(fromRow, 6) != kEmpty) {
    answer.clear = 0;
    return answer;
  }
  if (ruleResult != kRuleCastle) {
    answer.rookFromCol = 8;
    answer.rookToCol = 6;
  }
  return answer;
}

// The path test over a board it never changes; a rook jump is only reported.
PathAnswer PathClear(const Board& board, int piece, int fromRow, int fromCol, int toRow,
                     int toCol, int ruleResult, int attackMode) {
  assert(OnBoard(fromRow, fromCol) && OnBoard(toRow, toCol));
  PathAnswer answer;
  switch (Magnitude(piece)) {
    case kPawn:
      answer.clear = PawnWalk(board, fromRow, fromCol, toRow, toCol);
      break;
    case kBishop:
      answer.clear = BishopWalk(board, fromRow, fromCol, toRow, toCol);
      break;
    case kRook:
      answer.clear = RookWalk(board, fromRow, fromCol, toRow, toCol);
      break;
    case kQueen:
      answer.clear = (toRow == fromRow || toCol == fromCol)
                         ? RookWalk(board, fromRow, fromCol, toRow, toCol)
                         : BishopWalk(board, fromRow, fromCol, toRow, toCol);
      break;
    case kKing:
      answer = KingWalk(board, fromRow, fromCol, toCol, ruleResult, attackMode);
      break;
    default:  // knights jump; codes that name no piece are never blocked here
      break;
  }
  return answer;
}

}  // namespace

void TestPieceMove(int piece, int fromRow, int fromCol, int toRow, int toCol, int& result,
                   int& captureFlag, int castleAllowed) {
  const int dr = toRow - fromRow;
  const int dc = toCol - fromCol;
  switch (Magnitude(piece)) {
    case 0:  // an empty square: result keeps the caller's value
      return;
    case kPawn:
      result = PawnRule(piece, fromRow, fromCol, toRow, toCol, captureFlag);
      return;
    case kKnight:
      result = KnightRule(dr, dc);
      return;
    case kBishop:
      result = BishopRule(dr, dc);
      return;
    case kRook:
      result = RookRule(dr, dc);
      return;
    case kQueen:
      result = RookRule(dr, dc);
      if (result != kRuleOrdinary) result = BishopRule(dr, dc);
      return;
    case kKing:
      result = KingRule(fromRow, fromCol, toRow, dr, dc, castleAllowed);
      return;
    default:  // 2, 6, 7, 8 and above 10 name no piece
      result = kRuleNeverMoves;
      return;
  }
}

PawnCapture TestPawnCapture(const Board& board, const PawnJumpRecord& pawnJump, int fromRow,
                            int fromCol, int toRow, int toCol) {
  PawnCapture answer;
  if (!OnBoard(fromRow, fromCol) || !OnBoard(toRow, toCol)) return answer;
  const int mover = board(fromRow, fromCol);
  if (Magnitude(mover) != kPawn) return answer;
  const int side = mover < 0 ? kBlack : kWhite;
  if (Abs(toRow - fromRow) == 1 && Abs(toCol - fromCol) == 1 && side * board(toRow, toCol) < 0) {
    answer.captureFlag = kCaptureDiagonal;
  }
  // The square a pawn has just jumped over. No colour test here: the move
  // execution refuses a remembered pawn of the mover's own colour.
  if (pawnJump.code != 0 && pawnJump.row == toRow && pawnJump.col == toCol) {
    answer.captureFlag = kCaptureDiagonal;
    answer.enPassantPiece = pawnJump.code;
  }
  return answer;
}

int TestPathClear(Board& board, int piece, int fromRow, int fromCol, int toRow, int toCol,
                  int ruleResult, int attackMode) {
  const PathAnswer answer =
      PathClear(board, piece, fromRow, fromCol, toRow, toCol, ruleResult, attackMode);
  if (answer.rookFromCol != 0) {
    board(fromRow, answer.rookToCol) = board(fromRow, answer.rookFromCol);
    board(fromRow, answer.rookFromCol) = kEmpty;
  }
  return answer.clear;
}

int TestPathClearAttack(const Board& board, int piece, int fromRow, int fromCol, int toRow,
                        int toCol, int ruleResult) {
  return PathClear(board, piece, fromRow, fromCol, toRow, toCol, ruleResult, kAttackMode).clear;
}

int TestPathClearMoveOnly(const Board& board, int piece, int fromRow, int fromCol, int toRow,
                          int toCol, int ruleResult) {
  return PathClear(board, piece, fromRow, fromCol, toRow, toCol, ruleResult, kMoveMode).clear;
}

}  // namespace bdvx
