#include "engine/silent_trial.h"

#include "rules/attacks.h"
#include "rules/piece_moves.h"

namespace bdvx {

namespace {

constexpr int Abs(int x) { return x < 0 ? -x : x; }
constexpr int Sign(int x) { return (x > 0) - (x < 0); }
// How many king steps apart two squares are.
constexpr int Steps(int dr, int dc) { return Abs(dr) > Abs(dc) ? Abs(dr) : Abs(dc); }

// The first piece met walking from (row, col) toward (towardRow, towardCol)
// and beyond, one square at a time; the walk must run along a row, a column
// or a diagonal. Gives its square, or false when the walk leaves the board.
bool FirstPieceToward(const Board& board, int row, int col, int towardRow, int towardCol,
                      int& metRow, int& metCol) {
  const int rowStep = Sign(towardRow - row);
  const int colStep = Sign(towardCol - col);
  for (int r = row + rowStep, c = col + colStep; OnBoard(r, c); r += rowStep, c += colStep) {
    if (board(r, c) != kEmpty) {
      metRow = r;
      metCol = c;
      return true;
    }
  }
  return false;
}

bool OnOneLine(int rowA, int colA, int rowB, int colB) {
  return rowA == rowB || colA == colB || Abs(rowA - rowB) == Abs(colA - colB);
}

// Does the slider on (attackerRow, attackerCol) reach the king once the
// piece between them has gone to (toRow, toCol)? Only when the piece did not
// stay on the line between them (taking the slider counts as staying).
bool Uncovered(int kingRow, int kingCol, int attackerRow, int attackerCol, int toRow,
               int toCol) {
  if (attackerRow == 0) return false;
  const int length = Steps(attackerRow - kingRow, attackerCol - kingCol);
  const int dr = toRow - kingRow;
  const int dc = toCol - kingCol;
  const int k = Steps(dr, dc);  // the piece stands k steps out from the king
  const bool onLine = k >= 1 && k <= length && dr == k * Sign(attackerRow - kingRow) &&
                      dc == k * Sign(attackerCol - kingCol);
  return !onLine;
}

// Could the piece on (toRow, toCol) attack the king on (kingRow, kingCol)?
// Exact for pawns and knights; for sliders, the line and its free squares,
// without asking whether the piece moves along that kind of line (the full
// judgement then decides).
bool MayAttack(const Board& board, int piece, int toRow, int toCol, int kingRow, int kingCol) {
  const int dr = Abs(toRow - kingRow);
  const int dc = Abs(toCol - kingCol);
  switch (Magnitude(piece)) {
    case kPawn:  // a White pawn takes toward row 1
      return toRow - kingRow == (piece > 0 ? 1 : -1) && dc == 1;
    case kKnight:
      return (dr == 1 && dc == 2) || (dr == 2 && dc == 1);
    default: {
      if (!OnOneLine(toRow, toCol, kingRow, kingCol)) return false;
      int metRow = 0;
      int metCol = 0;
      return FirstPieceToward(board, kingRow, kingCol, toRow, toCol, metRow, metCol) &&
             metRow == toRow && metCol == toCol;
    }
  }
}

}  // namespace

SilentTrial::SilentTrial(const Board& board, const BoardSurvey& survey, int side)
    : side_(side) {
  const bool white = side > 0;
  ownKingRow_ = white ? survey.kings.whiteRow : survey.kings.blackRow;
  ownKingCol_ = white ? survey.kings.whiteCol : survey.kings.blackCol;
  enemyKingRow_ = white ? survey.kings.blackRow : survey.kings.whiteRow;
  enemyKingCol_ = white ? survey.kings.blackCol : survey.kings.whiteCol;
  quick_ = survey.whiteKings == 1 && survey.blackKings == 1 &&
           !SquareAttacked(board, kKing * side, ownKingRow_, ownKingCol_) &&
           !SquareAttacked(board, -kKing * side, enemyKingRow_, enemyKingCol_);
}

FromSquareLines SilentTrial::linesThrough(const Board& board, int fromRow, int fromCol) const {
  FromSquareLines lines;
  if (!quick_) return lines;
  const int piece = board(fromRow, fromCol);
  if (Magnitude(piece) != kKing) {  // a king's own safety is judged where it steps
    if (OpenLineAttacker(board, kKing * side_, ownKingRow_, ownKingCol_, fromRow, fromCol,
                         lines.pinRow, lines.pinCol) == kEmpty) {
      lines.pinRow = 0;
    }
  }
  if (OpenLineAttacker(board, -kKing * side_, enemyKingRow_, enemyKingCol_, fromRow, fromCol,
                       lines.discoverRow, lines.discoverCol) == kEmpty) {
    lines.discoverRow = 0;
  }
  return lines;
}

AfterMove SilentTrial::judge(Board& board, const PawnJumpRecord& pawnJump,
                             CheckTable& checkState, const FromSquareLines& lines, int piece,
                             int fromRow, int fromCol, int toRow, int toCol,
                             int destinationBefore, int ruleResult) const {
  assert(board(toRow, toCol) == piece && board(fromRow, fromCol) == kEmpty);
  const int kind = Magnitude(piece);
  const bool enPassantTry = kind == kPawn && fromCol != toCol && destinationBefore == kEmpty;
  const bool ordinary = quick_ && ruleResult == kRuleOrdinary && !enPassantTry;

  // The short answers: the own king attacked (where it stepped, or uncovered),
  // a queen where the enemy attacks it, or none of these and no check
  // possible. A king's step gives check only by uncovering a line: next to
  // the enemy king it stands attacked.
  if (ordinary) {
    AfterMove out;
    const bool ownKingAttacked =
        kind == kKing ? SquareAttacked(board, piece, toRow, toCol)
                      : Uncovered(ownKingRow_, ownKingCol_, lines.pinRow, lines.pinCol, toRow,
                                  toCol);
    if (ownKingAttacked || (kind == kQueen && SquareAttacked(board, piece, toRow, toCol))) {
      out.moveCanceled = true;
      return out;
    }
    const bool moverMayCheck =
        kind != kKing && MayAttack(board, piece, toRow, toCol, enemyKingRow_, enemyKingCol_);
    if (!moverMayCheck && !Uncovered(enemyKingRow_, enemyKingCol_, lines.discoverRow,
                                     lines.discoverCol, toRow, toCol)) {
      checkState.fill(0);  // the move gives no check
      return out;
    }
  }
  int scratchMover = 0;
  return AfterMoveCheck(board, pawnJump, checkState, piece, fromRow, fromCol, toRow, toCol,
                        destinationBefore, ruleResult, kSilentMode, scratchMover);
}

}  // namespace bdvx
