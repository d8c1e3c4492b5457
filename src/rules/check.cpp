#include "rules/check.h"

#include <string>
#include <string_view>

#include "rules/attacks.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {


// Does the move answer the check recorded in row k? The king must not stay
// attacked by the checker; any other piece must take it or stand between.
// A record that names no piece, or squares off the board, holds no check.
bool CheckAnswered(Console& con, const Board& board, const PawnJumpRecord& pawnJump,
                   const CheckTable& checkState, int k, int piece, int toRow, int toCol,
                   int mode) {
  const int checker = checkState(k, kCheckPiece);
  const int checkerRow = checkState(k, kCheckFromRow);
  const int checkerCol = checkState(k, kCheckFromCol);
  const int kingRow = checkState(k, kCheckKingRow);
  const int kingCol = checkState(k, kCheckKingCol);
  if (checkerRow == toRow && checkerCol == toCol) return true;  // the checker is taken
  if (!NamesPiece(checker) || !OnBoard(checkerRow, checkerCol)) return true;

  if (Magnitude(piece) == kKing) {
    int result = kRuleNotAMove;  // the king is searched on the board
    int targetRow = 0;
    int targetCol = 0;
    if (mode == kSilentMode) {  // the to-square is the target
      result = kRuleKingMissing;
      targetRow = toRow;
      targetCol = toCol;
    }
    TestGivesCheck(con, board, pawnJump, checker, checkerRow, checkerCol, targetRow, targetCol,
                   result);
    return result != kRuleAttacksKing;
  }
  if (!OnBoard(kingRow, kingCol)) return true;
  // Still an open path from the checker to the king: neither taken nor blocked.
  return TestPathClearAttack(board, checker, checkerRow, checkerCol, kingRow, kingCol,
                             kRuleOrdinary) == 0;
}

// "BLACK" is in check after a White move (or an empty code), "WHITE" after a Black one.
const char* SideInCheck(int piece) { return piece >= 0 ? "BLACK" : "WHITE"; }

// One line of the message column, below the last; the check cue goes to the
// player when the side in check is theirs.
void Announce(Console& con, const Announcer& announcer, std::string_view side,
              std::string_view tail, bool cue) {
  announcer.msgRow += 1;
  con.locate(announcer.msgRow, 1);
  std::string line = " ";
  line += side;
  line += tail;
  con.printLine(line);
  if (cue && announcer.playerLetter == side.substr(0, 1)) {
    con.playSound("wav/" + announcer.voice + "/check.wav", true);
  }
}

// The castling noted for the king's move: where its rook stands now.
struct Castling {
  bool noted = false;
  int rookCode = 0;
  int rookCol = 0;
};

}  // namespace

AfterMove AfterMoveCheck(Console& con, Board& board, const PawnJumpRecord& pawnJump,
                         CheckTable& checkState, int piece, int fromRow, int fromCol, int toRow,
                         int toCol, int ruleResult, int mode, int& lastMoverSide,
                         const Announcer& announcer) {
  assert(OnBoard(fromRow, fromCol) && OnBoard(toRow, toCol));
  AfterMove out;
  Castling castling;
  const int savedDirect = checkState(kDirectCheckRow, kCheckPiece);
  const int savedDiscovered = checkState(kDiscoveredCheckRow, kCheckPiece);
  const bool announce = mode == kAnnounceMode;
  const char* side = SideInCheck(piece);

  // The move may not stand: the check in force comes back, and in the game's
  // own moves a castling rook returns to its corner.
  const auto cancel = [&]() {
    if (castling.noted && mode != kSilentMode) {
      const int corner = castling.rookCol == 4 ? 1 : 8;
      board(fromRow, corner) = board(fromRow, castling.rookCol);
      board(fromRow, castling.rookCol) = kEmpty;
    }
    out.moveCanceled = true;
    checkState(kDirectCheckRow, kCheckPiece) = savedDirect;
    checkState(kDiscoveredCheckRow, kCheckPiece) = savedDiscovered;
    return out;
  };
  const auto checkmate = [&]() {
    out.checkScore = kCheckmate;
    if (announce) Announce(con, announcer, side, " CHECKMATED                      ", false);
    return out;
  };

  // The check in force must be answered; an answered row is cleared.
  for (int k = kDirectCheckRow; k <= kDiscoveredCheckRow; ++k) {
    if (checkState(k, kCheckPiece) == kEmpty) continue;
    if (!CheckAnswered(con, board, pawnJump, checkState, k, piece, toRow, toCol, mode)) {
      return cancel();
    }
    checkState(k, kCheckPiece) = kEmpty;
  }

  // A king may not cross an attacked square when castling, nor land on one;
  // the computer's trials never leave their queen where it can be taken.
  const int kind = Magnitude(piece);
  if (kind == kKing && ruleResult == kRuleCastle) {
    castling.noted = true;
    castling.rookCol = toCol == 3 ? 4 : 6;
    castling.rookCode = piece > 0 ? kRook : -kRook;
    if (SquareAttacked(board, piece, fromRow, castling.rookCol)) return cancel();
  }
  if ((kind == kKing || kind == kQueen) && SquareAttacked(board, piece, toRow, toCol)) {
    if (kind == kKing) return cancel();
    if (mode == kSilentMode) return cancel();
  }

  // The vacated square: shielding the own king cancels, uncovering the
  // other king is a discovered check.
  const LineTest line = TestLineThroughSquare(con, board, piece, fromRow, fromCol);
  out.checkScore = kNoCheck;
  bool setLastMover = true;
  if (line.score > kLineDiscovers) return cancel();
  if (line.score == kLineDiscovers) {
    if (announce) Announce(con, announcer, side, " is in CHECK DISCOVERED", true);
    if (TestCheckmate(con, board, pawnJump, line.attacker, line.attackerRow, line.attackerCol,
                      line.kingRow, line.kingCol)) {
      return checkmate();
    }
    out.checkScore = kSingleCheck;
    checkState(kDiscoveredCheckRow, kCheckPiece) = line.attacker;
    checkState(kDiscoveredCheckRow, kCheckFromRow) = line.attackerRow;
    checkState(kDiscoveredCheckRow, kCheckFromCol) = line.attackerCol;
    checkState(kDiscoveredCheckRow, kCheckKingRow) = line.kingRow;
    checkState(kDiscoveredCheckRow, kCheckKingCol) = line.kingCol;
    if (mode == kSilentMode) setLastMover = false;
  }
  if (setLastMover) lastMoverSide = piece;

  // Direct check by the piece on its new square; after a castling the rook
  // is the one that may give it.
  const int checker = castling.noted ? castling.rookCode : piece;
  const int checkerCol = castling.noted ? castling.rookCol : toCol;
  int kingRow = 0;
  int kingCol = 0;
  int result = kRuleNotAMove;
  TestGivesCheck(con, board, pawnJump, checker, toRow, checkerCol, kingRow, kingCol, result);
  if (result == kRuleAttacksKing) {
    if (announce) Announce(con, announcer, side, " is in CHECK        ", true);
    if (TestCheckmate(con, board, pawnJump, checker, toRow, checkerCol, kingRow, kingCol)) {
      return checkmate();
    }
    out.checkScore += kSingleCheck;
    checkState(kDirectCheckRow, kCheckPiece) = checker;
    checkState(kDirectCheckRow, kCheckFromRow) = toRow;
    checkState(kDirectCheckRow, kCheckFromCol) = checkerCol;
    checkState(kDirectCheckRow, kCheckKingRow) = kingRow;
    checkState(kDirectCheckRow, kCheckKingCol) = kingCol;
  }
  return out;
}

}  // namespace bdvx
