#include "rules/san.h"

#include "core/position.h"

#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

char FileLetter(int col) { return static_cast<char>('a' + col - 1); }
char RankDigit(int row) { return static_cast<char>('0' + RankOfRow(row)); }

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

std::string SquareName(int row, int col) { return {FileLetter(col), RankDigit(row)}; }

std::string CoordinateMoveText(const MoveRecord& move, PieceCode promotedTo) {
  std::string text = SquareName(move.fromRow, move.fromCol) + SquareName(move.toRow, move.toCol);
  if (promotedTo != kEmpty) {
    text += static_cast<char>(PieceLetter(promotedTo)[0] - 'A' + 'a');
  }
  return text;
}

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

namespace bdvx {

std::string_view WithoutMarks(std::string_view text) {
  while (!text.empty() && std::string_view("+#!?").find(text.back()) != std::string_view::npos) {
    text.remove_suffix(1);
  }
  return text;
}

namespace {

bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
bool IsRank(char c) { return c >= '1' && c <= '8'; }

PieceCode KindOfLetter(char letter) {
  switch (letter) {
    case 'N': return kKnight;
    case 'B': return kBishop;
    case 'R': return kRook;
    case 'Q': return kQueen;
    case 'K': return kKing;
    default: return kEmpty;
  }
}

PieceCode PromotionOfLetter(char letter) {
  const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
  const PieceCode kind = KindOfLetter(upper);
  return kind == kKing ? kEmpty : kind;
}

// Two characters as a square; false when they are none.
bool ReadSquare(std::string_view text, int& row, int& col) {
  if (text.size() != 2 || !IsFile(text[0]) || !IsRank(text[1])) return false;
  col = text[0] - 'a' + 1;
  row = RowOfRank(text[1] - '0');
  return true;
}

}  // namespace

bool ReadSan(std::string_view text, SanText& san) {
  san = SanText{};
  text = WithoutMarks(text);
  if (text == "O-O" || text == "0-0" || text == "O-O-O" || text == "0-0-0") {
    san.kind = kKing;
    san.castleCol = text.size() == 3 ? 7 : 3;
    return true;
  }
  if (text.empty()) return false;
  if (KindOfLetter(text.front()) != kEmpty) {
    san.kind = KindOfLetter(text.front());
    text.remove_prefix(1);
  } else if (!IsFile(text.front())) {
    return false;
  }
  // A promotion: "=Q", or the letter straight after the square.
  if (san.kind == kPawn && text.size() >= 3 && !IsRank(text.back())) {
    san.promotion = PromotionOfLetter(text.back());
    if (san.promotion == kEmpty) return false;
    text.remove_suffix(1);
    if (text.back() == '=') text.remove_suffix(1);
  }
  if (text.size() < 2 || !ReadSquare(text.substr(text.size() - 2), san.toRow, san.toCol)) {
    return false;
  }
  text.remove_suffix(2);
  if (!text.empty() && text.back() == 'x') text.remove_suffix(1);
  // What is left names the mover: its file, its rank, or both.
  if (!text.empty() && IsFile(text.front())) {
    san.fromCol = text.front() - 'a' + 1;
    text.remove_prefix(1);
  }
  if (!text.empty() && IsRank(text.front())) {
    san.fromRow = RowOfRank(text.front() - '0');
    text.remove_prefix(1);
  }
  // A pawn is named by its file alone; a promotion only to a pawn's end rank.
  if (!text.empty() || (san.kind == kPawn && san.fromRow != 0)) return false;
  return san.promotion == kEmpty || san.toRow == 1 || san.toRow == 8;
}

bool ReadCoordinateMove(std::string_view text, CoordinateText& move) {
  move = CoordinateText{};
  // The squares, with or without a dash between them.
  std::string compact(text);
  if (compact.size() >= 5 && compact[2] == '-') compact.erase(2, 1);
  if (compact.size() == 5) {
    move.promotion = PromotionOfLetter(compact.back());
    if (move.promotion == kEmpty) return false;
    compact.pop_back();
  }
  const std::string_view squares(compact);
  return squares.size() == 4 && ReadSquare(squares.substr(0, 2), move.fromRow, move.fromCol) &&
         ReadSquare(squares.substr(2, 2), move.toRow, move.toCol);
}

SanMatches MatchSan(const SanText& san, const LegalMoves& legal) {
  SanMatches matches;
  for (const LegalMove& m : legal) {
    const MoveRecord& move = m.move;
    if (Magnitude(move.piece) != san.kind) continue;
    if (san.castleCol != 0) {
      // Castling is the king's two-square step from its home square.
      if (move.fromCol != 5 || move.toCol != san.castleCol || move.fromRow != move.toRow) continue;
    } else {
      if (move.toRow != san.toRow || move.toCol != san.toCol) continue;
      if ((san.fromRow != 0 && move.fromRow != san.fromRow) ||
          (san.fromCol != 0 && move.fromCol != san.fromCol)) {
        continue;
      }
      // A king's two-square step is written as castling only.
      if (san.kind == kKing && (move.toCol - move.fromCol == 2 || move.fromCol - move.toCol == 2)) {
        continue;
      }
    }
    const PieceCode wanted = san.promotion != kEmpty ? san.promotion : kQueen;
    if (m.promotedTo != kEmpty && m.promotedTo != wanted) continue;
    if (m.promotedTo == kEmpty && san.promotion != kEmpty) continue;
    if (matches.count < 2) matches.moves[static_cast<std::size_t>(matches.count)] = m;
    ++matches.count;
  }
  return matches;
}

}  // namespace bdvx
