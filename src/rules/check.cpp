#include "rules/check.h"

#include "rules/attacks.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

// The parts of a move beyond its own piece that the board does not show yet
// (the en-passant victim still standing; in the silent mode the castling rook
// in its corner and a promoting pawn still a pawn), put on the board for the
// judgement and taken back when it is done.
class MoveCompletion {
 public:
  MoveCompletion(Board& board, int piece, int fromRow, int toRow, int toCol, bool enPassant,
                 bool castling, bool promotion, int mode)
      : board_(board) {
    if (enPassant) {
      victimRow_ = EnPassantVictimRow(piece);
      victimCol_ = toCol;
      victim_ = board_(victimRow_, victimCol_);
      board_(victimRow_, victimCol_) = kEmpty;
    }
    if (mode != kSilentMode) return;
    if (castling) {
      rookRow_ = fromRow;
      rookCorner_ = CastlingRookCorner(toCol);
      rookCol_ = CastlingRookBeside(toCol);
      rookBeside_ = board_(rookRow_, rookCol_);
      board_(rookRow_, rookCol_) = board_(rookRow_, rookCorner_);
      board_(rookRow_, rookCorner_) = kEmpty;
    }
    if (promotion) {  // the computer's pawn always becomes a queen
      promotedRow_ = toRow;
      promotedCol_ = toCol;
      board_(toRow, toCol) = piece * kQueen;
    }
  }
  ~MoveCompletion() {
    if (promotedRow_ != 0) board_(promotedRow_, promotedCol_) /= kQueen;
    if (rookRow_ != 0) {
      board_(rookRow_, rookCorner_) = board_(rookRow_, rookCol_);
      board_(rookRow_, rookCol_) = rookBeside_;
    }
    if (victimRow_ != 0) board_(victimRow_, victimCol_) = victim_;
  }
  MoveCompletion(const MoveCompletion&) = delete;
  MoveCompletion& operator=(const MoveCompletion&) = delete;

 private:
  Board& board_;
  int victimRow_ = 0, victimCol_ = 0, victim_ = kEmpty;
  int rookRow_ = 0, rookCorner_ = 0, rookCol_ = 0, rookBeside_ = kEmpty;
  int promotedRow_ = 0, promotedCol_ = 0;
};

// The en-passant target the other side may take after this move: the square
// a two-square pawn step passed over, and nothing after any other move.
PawnJumpRecord JumpLeftBy(int piece, int fromRow, int fromCol, int toRow) {
  if (Magnitude(piece) != kPawn || (toRow - fromRow != 2 && fromRow - toRow != 2)) return {};
  return {piece, (fromRow + toRow) / 2, fromCol};
}

}  // namespace

bool Checkers::includes(int row, int col) const {
  const int listed = count < kMaxListed ? count : kMaxListed;
  for (int i = 0; i < listed; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    if (rows[at] == row && cols[at] == col) return true;
  }
  return false;
}

bool KingInCheck(const Board& board, int side) {
  int king = kKing * side;
  int row = 0;
  int col = 0;
  FindPiece(board, king, row, col);
  return king != kNoPiece && SquareAttacked(board, kKing * side, row, col);
}

void RecordCheckers(const Board& board, const Checkers& checkers, int kingRow, int kingCol,
                    int movedRow, int movedCol, CheckTable& checkState) {
  checkState.fill(0);
  const auto record = [&](int checkRow, int row, int col) {
    checkState(checkRow, kCheckPiece) = board(row, col);
    checkState(checkRow, kCheckFromRow) = row;
    checkState(checkRow, kCheckFromCol) = col;
    checkState(checkRow, kCheckKingRow) = kingRow;
    checkState(checkRow, kCheckKingCol) = kingCol;
  };
  const bool movedChecks = movedRow != 0 && checkers.includes(movedRow, movedCol);
  if (movedChecks) record(kDirectCheckRow, movedRow, movedCol);

  // The other checkers fill the rows left: row 2 first after a move, row 1
  // first for a position set up by hand.
  const int order[2] = {movedRow != 0 ? kDiscoveredCheckRow : kDirectCheckRow,
                        movedRow != 0 ? kDirectCheckRow : kDiscoveredCheckRow};
  int next = 0;
  const int listed = checkers.count < Checkers::kMaxListed ? checkers.count : Checkers::kMaxListed;
  for (int i = 0; i < listed && next < 2; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const int row = checkers.rows[at];
    const int col = checkers.cols[at];
    if (row == movedRow && col == movedCol) continue;
    while (next < 2 && checkState(order[next], kCheckPiece) != kEmpty) ++next;
    if (next < 2) record(order[next++], row, col);
  }
}

AfterMove AfterMoveCheck(Board& board, const PawnJumpRecord& pawnJump, CheckTable& checkState,
                         int piece, int fromRow, int fromCol, int toRow, int toCol,
                         int destinationBefore, int ruleResult, int mode, int& lastMoverSide) {
  assert(OnBoard(fromRow, fromCol) && OnBoard(toRow, toCol));
  assert(board(toRow, toCol) == piece);
  AfterMove out;
  const int side = piece > 0 ? kWhite : kBlack;
  const int kind = Magnitude(piece);
  const bool castling = kind == kKing && ruleResult == kRuleCastle;

  // A pawn's diagonal step onto an empty square takes en passant, and only
  // the pawn of the other side that has just jumped over that square. (In
  // the announcing mode a promoting pawn already stands there as its piece.)
  bool enPassant = false;
  const bool pawnMove = kind == kPawn || ruleResult == kRulePromotion;
  if (pawnMove && fromCol != toCol && destinationBefore == kEmpty) {
    enPassant = pawnJump.code * piece < 0 && Magnitude(pawnJump.code) == kPawn &&
                pawnJump.row == toRow && pawnJump.col == toCol;
    if (!enPassant) {
      out.moveCanceled = true;
      return out;
    }
  }
  // The computer's trials never leave their queen where it can be taken.
  if (mode == kSilentMode && kind == kQueen && SquareAttacked(board, piece, toRow, toCol)) {
    out.moveCanceled = true;
    return out;
  }

  const MoveCompletion completion(board, piece, fromRow, toRow, toCol, enPassant, castling,
                                  ruleResult == kRulePromotion, mode);
  // The own king may not stand attacked, and a castling king may not start
  // from or cross an attacked square.
  const int rookCol = CastlingRookBeside(toCol);
  if (KingInCheck(board, side) ||
      (castling && (SquareAttacked(board, piece, fromRow, fromCol) ||
                    SquareAttacked(board, piece, fromRow, rookCol)))) {
    out.moveCanceled = true;
    return out;
  }

  // The checks the move gives: the moved piece (after castling, the rook)
  // directly, any other piece by discovery.
  int enemyKing = -kKing * side;
  int kingRow = 0;
  int kingCol = 0;
  FindPiece(board, enemyKing, kingRow, kingCol);
  Checkers checkers;
  if (enemyKing != kNoPiece) checkers = FindCheckers(board, kingRow, kingCol);
  const int movedRow = toRow;
  const int movedCol = castling ? rookCol : toCol;
  if (checkers.count > 0) {
    out.directCheck = checkers.includes(movedRow, movedCol);
    out.discoveredCheck = checkers.count > (out.directCheck ? 1 : 0);
    out.checkScore = checkers.count > 1 ? kDoubleCheck : kSingleCheck;
    if (TestCheckmate(board, -side, JumpLeftBy(piece, fromRow, fromCol, toRow))) {
      out.checkScore = kCheckmate;
    }
  }
  RecordCheckers(board, checkers, kingRow, kingCol, movedRow, movedCol, checkState);
  lastMoverSide = piece;
  return out;
}

}  // namespace bdvx
