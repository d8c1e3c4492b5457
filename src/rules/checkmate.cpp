#include <array>

#include "rules/attacks.h"
#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

constexpr int Sign(int x) { return (x > 0) - (x < 0); }
constexpr int Abs(int x) { return x < 0 ? -x : x; }

struct SquareList {
  std::array<int, 6> rows{};
  std::array<int, 6> cols{};
  int count = 0;
};

// The squares strictly between king and attacker, from the king outward.
// Only a line (row, column or diagonal) has squares between.
SquareList SquaresBetween(int kingRow, int kingCol, int attackerRow, int attackerCol) {
  SquareList list;
  const int dr = attackerRow - kingRow;
  const int dc = attackerCol - kingCol;
  if (!(dr == 0 || dc == 0 || Abs(dr) == Abs(dc))) return list;
  int r = kingRow + Sign(dr);
  int c = kingCol + Sign(dc);
  while ((r != attackerRow || c != attackerCol) && list.count < 6) {
    list.rows[static_cast<std::size_t>(list.count)] = r;
    list.cols[static_cast<std::size_t>(list.count)] = c;
    ++list.count;
    r += Sign(dr);
    c += Sign(dc);
  }
  return list;
}

// Can the king step out of check? Each free or enemy-held square next to it
// that the attack scan passes is tried with the king put there, since the
// king on its old square may hide the checker's line.
bool KingEscapes(Console& con, Board& board, const PawnJumpRecord& pawnJump, int attacker,
                 int attackerRow, int attackerCol, int kingRow, int kingCol, int king) {
  for (int r = kingRow - 1; r <= kingRow + 1; ++r) {
    for (int c = kingCol - 1; c <= kingCol + 1; ++c) {
      if (!OnBoard(r, c)) continue;
      const int content = board(r, c);
      if (content != kEmpty && attacker * content <= 0) continue;
      if (SquareAttacked(board, king, r, c)) continue;

      const int kingSquare = board(kingRow, kingCol);
      board(kingRow, kingCol) = kEmpty;
      const int saved = board(r, c);
      board(r, c) = king;
      int targetRow = r;
      int targetCol = c;
      int result = kRuleKingMissing;  // the trial square is the target
      TestGivesCheck(con, board, pawnJump, attacker, attackerRow, attackerCol, targetRow,
                     targetCol, result);
      board(r, c) = saved;
      board(kingRow, kingCol) = kingSquare;
      if (result != kRuleAttacksKing || saved == attacker) return true;
    }
  }
  return false;
}

// May this defender step from its square to (toRow, toCol)? A capture of the
// checker must be an ordinary move; a block any move the piece has.
bool DefenderReaches(const Board& board, const PawnJumpRecord& pawnJump, int defender,
                     int fromRow, int fromCol, int toRow, int toCol, bool capture) {
  int captureFlag = TestPawnCapture(board, pawnJump, fromRow, fromCol, toRow, toCol).captureFlag;
  int result = kRuleNotAMove;
  TestPieceMove(defender, fromRow, fromCol, toRow, toCol, result, captureFlag, 0);
  if (capture) {
    if (result != kRuleOrdinary) return false;
    return TestPathClearAttack(board, defender, fromRow, fromCol, toRow, toCol,
                               kRuleOrdinary) != 0;
  }
  if (result == kRuleNotAMove || result == kRuleNeverMoves || result == kRuleCastleRefused) {
    return false;
  }
  return TestPathClearAttack(board, defender, fromRow, fromCol, toRow, toCol, result) != 0;
}

}  // namespace

bool TestCheckmate(Console& con, Board& board, const PawnJumpRecord& pawnJump, int attacker,
                   int attackerRow, int attackerCol, int kingRow, int kingCol) {
  // A spoilt record naming squares off the board is no mate.
  if (!OnBoard(attackerRow, attackerCol) || !OnBoard(kingRow, kingCol)) return false;
  const int defenderSide = attacker > 0 ? kBlack : kWhite;
  const int king = kKing * defenderSide;

  if (KingEscapes(con, board, pawnJump, attacker, attackerRow, attackerCol, kingRow, kingCol,
                  king)) {
    return false;
  }

  SquareList between;
  if (Magnitude(attacker) != kKnight && Magnitude(attacker) != kPawn) {
    between = SquaresBetween(kingRow, kingCol, attackerRow, attackerCol);
  }

  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      const int defender = board(r, c);
      if (defender * defenderSide <= 0 || defender == king) continue;

      // Taking the checker, unless the defender shields its own king.
      if (DefenderReaches(board, pawnJump, defender, r, c, attackerRow, attackerCol, true)) {
        if (TestLineThroughSquare(con, board, defender, r, c).score > kLineDiscovers) continue;
        return false;
      }
      // Stepping between, on the first square it reaches, with the same proviso.
      for (int i = 0; i < between.count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        if (!DefenderReaches(board, pawnJump, defender, r, c, between.rows[at],
                             between.cols[at], false)) {
          continue;
        }
        if (TestLineThroughSquare(con, board, defender, r, c).score > kLineDiscovers) break;
        return false;
      }
    }
  }
  return true;
}

}  // namespace bdvx
