#include "rules/san.h"

#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

char FileLetter(int col) { return static_cast<char>('a' + col - 1); }
char RankDigit(int row) { return static_cast<char>('0' + 9 - row); }
std::string SquareName(int row, int col) { return {FileLetter(col), RankDigit(row)}; }

// The piece letters of SAN; a pawn has none.
std::string PieceLetter(PieceCode piece) {
  switch (Magnitude(piece)) {
    case kKnight: return "N";
    case kBishop: return "B";
    case kRook: return "R";
    case kQueen: return "Q";
    case kKing: return "K";
    default: return "";
  }
}

// Could the piece on (row, col) go to (toRow, toCol) as the game judges a
// move: in its moves, its path free, and its own king not attacked
// afterwards. For every piece but a pawn, whose moves SAN never needs to
// tell apart.
bool CanGoTo(const Board& board, int row, int col, int toRow, int toCol) {
  const PieceCode piece = board(row, col);
  assert(Magnitude(piece) != kPawn);
  int ruleResult = kRuleNotAMove;
  int captureFlag = kCaptureNone;
  TestPieceMove(piece, row, col, toRow, toCol, ruleResult, captureFlag, 0);
  if (ruleResult != kRuleOrdinary) return false;
  Board after = board;
  if (TestPathClear(after, piece, row, col, toRow, toCol, ruleResult, kMoveMode) == 0) {
    return false;
  }
  after(toRow, toCol) = piece;
  after(row, col) = kEmpty;
  return !KingInCheck(after, piece > 0 ? kWhite : kBlack);
}

// What tells the mover apart from the other pieces of its kind that could
// go to the same square: its file when that is enough, else its rank, else
// both; nothing when no other piece could.
std::string Disambiguation(const Board& board, const MoveRecord& move) {
  bool rival = false;
  bool rivalOnFile = false;
  bool rivalOnRank = false;
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      if (board(row, col) != move.piece || (row == move.fromRow && col == move.fromCol)) continue;
      if (!CanGoTo(board, row, col, move.toRow, move.toCol)) continue;
      rival = true;
      rivalOnFile = rivalOnFile || col == move.fromCol;
      rivalOnRank = rivalOnRank || row == move.fromRow;
    }
  }
  if (!rival) return "";
  if (!rivalOnFile) return {FileLetter(move.fromCol)};
  if (!rivalOnRank) return {RankDigit(move.fromRow)};
  return SquareName(move.fromRow, move.fromCol);
}

}  // namespace

std::string SanOfMove(const Board& board, const MoveRecord& move, int ruleResult,
                      PieceCode promotedTo) {
  assert(OnBoard(move.fromRow, move.fromCol) && OnBoard(move.toRow, move.toCol));
  if (ruleResult == kRuleCastle) return move.toCol == 3 ? "O-O-O" : "O-O";

  const std::string to = SquareName(move.toRow, move.toCol);
  if (Magnitude(move.piece) == kPawn) {
    // A pawn takes diagonally, en passant onto an empty square too.
    std::string san = to;
    if (move.fromCol != move.toCol) san = std::string{FileLetter(move.fromCol), 'x'} + to;
    if (ruleResult == kRulePromotion) san += "=" + PieceLetter(promotedTo);
    return san;
  }
  const std::string capture = board(move.toRow, move.toCol) != kEmpty ? "x" : "";
  return PieceLetter(move.piece) + Disambiguation(board, move) + capture + to;
}

std::string SanCheckMark(int checkScore) {
  if (checkScore > kMateThreshold) return "#";
  return checkScore > kNoCheck ? "+" : "";
}

}  // namespace bdvx
