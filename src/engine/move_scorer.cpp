#include "engine/move_scorer.h"

#include "engine/rounding.h"

namespace bdvx {

namespace {

constexpr int Abs(int n) { return n < 0 ? -n : n; }
constexpr int Max(int a, int b) { return a > b ? a : b; }

constexpr int kCaptureFactor = 11;     // a capture is worth |cap| x (11 - own magnitude)
constexpr int kCentrePawnBonus = 15;   // pawns from columns 4 and 5
constexpr int kKingOnColumnThree = 25;
constexpr int kEscapeWeight = 7;
constexpr int kPromotionBonus = 30;
constexpr int kForkBonus = 3;
constexpr int kNoQueenDistance = 6;

// The distance term that replaces the row advance for rooks, bishops and
// knights when the enemy king is on the board.
int DistanceTerm(const ScoreTargets& targets, int kind, int toRow, int toCol, int rowAdvance) {
  const int dr = Abs(toRow - targets.kingRow);
  const int dc = Abs(toCol - targets.kingCol);
  switch (kind) {
    case kRook:
      return 8 - dc - dr;
    case kBishop:
      return 5 - Abs(dc - dr);
    case kKnight: {
      const int d1 = Max(dr, dc);
      const int d2 = targets.queenRow == 0 ? kNoQueenDistance
                                           : Max(Abs(toRow - targets.queenRow),
                                                 Abs(toCol - targets.queenCol));
      return 4 * (6 - d1) + 4 * (6 - d2);
    }
    default:
      return rowAdvance;
  }
}

// True when an enemy pawn attacks the square (row - side, col +- 1) looks at;
// the caller makes sure that row lies on the board.
bool EnemyPawnBeside(const Board& board, int side, int pawnRow, int col) {
  return (col < 8 && board(pawnRow, col + 1) == -side) ||
         (col > 1 && board(pawnRow, col - 1) == -side);
}

}  // namespace

int ForkBonus(const Board& board, int piece, int toRow, int toCol) {
  int bonus = 0;
  const int rowLo = toRow - 2 < 1 ? 1 : toRow - 2;
  const int rowHi = toRow + 2 > 8 ? 8 : toRow + 2;
  for (int x = rowLo; x <= rowHi; ++x) {
    if (x == toRow) continue;
    const int d = Abs(x - toRow) == 1 ? 2 : 1;
    // Columns 1 and 8 are left out: the tests are > 1 and < 8.
    if (toCol - d > 1 && piece * board(x, toCol - d) < 0) bonus += kForkBonus;
    if (toCol + d < 8 && piece * board(x, toCol + d) < 0) bonus += kForkBonus;
  }
  return bonus;
}

void ScoreMove(const Board& board, const ParseArray& parse, const ScoreTargets& targets,
               const ScoredMove& move, int& score) {
  const int side = move.side;
  assert(side == kWhite || side == kBlack);
  const int control = side * parse(move.toRow, move.toCol);
  if (control <= 0) return;

  const int mover = board(move.fromRow, move.fromCol);
  const int kind = Magnitude(mover);
  const int captured = Magnitude(board(move.toRow, move.toCol));
  int advance = (move.fromRow - move.toRow) * side;

  // Closeness to the enemy king (and, for a knight, to the enemy queen).
  if (targets.kingRow != 0) advance = DistanceTerm(targets, kind, move.toRow, move.toCol, advance);

  // Pawns: the advance plus a central-file term, more for the centre pawns.
  if (kind == kPawn) {
    advance = NearestDiv(5 * advance + (9 - move.fromCol) * move.fromCol, 5);
    if (move.fromCol == 4 || move.fromCol == 5) advance += kCentrePawnBonus;
  }

  int value = kind + captured * (kCaptureFactor - kind) + move.checkScore + advance;
  if (kind == kKing) value = FloorDiv(value, 4);
  if (kind == kQueen) value = FloorDiv(value, 2);

  // A rook leaving its corner while castling on that side is still allowed.
  const bool rookCorner =
      (mover == -kRook && move.fromRow == 1 && move.fromCol == 1 && move.queenSideOK == 1) ||
      (mover == -kRook && move.fromRow == 1 && move.fromCol == 8 && move.kingSideOK == 1) ||
      (mover == kRook && move.fromRow == 8 && move.fromCol == 1 && move.queenSideOK == 1) ||
      (mover == kRook && move.fromRow == 8 && move.fromCol == 8 && move.kingSideOK == 1);
  if (rookCorner) value = HalfToEven(value);

  if (kind == kKing && move.castleFlag == 1 && move.fromCol == 3) value += kKingOnColumnThree;

  // Escape: the piece stands on a square the enemy controls, or (not pawns,
  // not kings) one an enemy pawn attacks.
  int threat = 0;
  if (side * parse(move.fromRow, move.fromCol) < 0) {
    threat = kind;
  } else if (kind != kPawn && kind != kKing) {
    const int pawnRow = move.fromRow - side;
    if (pawnRow >= 1 && pawnRow <= 8 && EnemyPawnBeside(board, side, pawnRow, move.fromCol)) {
      threat = kind;
    }
  }
  value += kEscapeWeight * threat;

  if (move.ruleResult == 2) value += kPromotionBonus;
  if (kind == kKnight) value += ForkBonus(board, mover, move.toRow, move.toCol);
  score = value;
}

}  // namespace bdvx
