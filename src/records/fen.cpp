#include "records/fen.h"

#include <charconv>
#include <vector>

namespace bdvx {
namespace {

constexpr std::string_view kLetters = " P NBR   QK";  // indexed by the magnitude

// The FEN letter of a piece: upper case White, lower case Black.
char FenLetter(PieceCode piece) {
  const char letter = kLetters[static_cast<std::size_t>(Magnitude(piece))];
  return piece > 0 ? letter : static_cast<char>(letter - 'A' + 'a');
}

// The piece a FEN letter names, or kEmpty for any other character.
PieceCode PieceOfLetter(char letter) {
  const bool black = letter >= 'a' && letter <= 'z';
  const char upper = black ? static_cast<char>(letter - 'a' + 'A') : letter;
  if (upper == ' ') return kEmpty;
  const std::size_t at = kLetters.find(upper);
  if (at == std::string_view::npos) return kEmpty;
  const PieceCode piece = static_cast<PieceCode>(at);
  return black ? -piece : piece;
}

// The board rank by rank from rank 8, which is row 1; runs of empty squares
// as their number.
std::string FenPlacement(const Board& board) {
  std::string placement;
  for (int row = 1; row <= 8; ++row) {
    int empty = 0;
    for (int col = 1; col <= 8; ++col) {
      const PieceCode piece = board(row, col);
      assert(piece == kEmpty || NamesPiece(piece));
      if (!NamesPiece(piece)) {
        ++empty;
        continue;
      }
      if (empty > 0) placement += static_cast<char>('0' + empty);
      empty = 0;
      placement += FenLetter(piece);
    }
    if (empty > 0) placement += static_cast<char>('0' + empty);
    if (row < 8) placement += '/';
  }
  return placement;
}

// Whether a king and rook stand where the castling right of that wing needs
// them: the game cannot castle otherwise, and readers refuse such a right.
bool CastlingPiecesHome(const Board& b, int side, bool kingSide) {
  const int home = side > 0 ? 8 : 1;
  return b(home, 5) == kKing * side && b(home, kingSide ? 8 : 1) == kRook * side;
}

std::string FenCastling(const GameState& g) {
  const Board& b = g.GameBoard;
  std::string rights;
  if (g.WhiteKingSideOK && CastlingPiecesHome(b, kWhite, true)) rights += 'K';
  if (g.WhiteQueenSideOK && CastlingPiecesHome(b, kWhite, false)) rights += 'Q';
  if (g.BlackKingSideOK && CastlingPiecesHome(b, kBlack, true)) rights += 'k';
  if (g.BlackQueenSideOK && CastlingPiecesHome(b, kBlack, false)) rights += 'q';
  return rights.empty() ? "-" : rights;
}

std::string FenEnPassant(const PawnJumpRecord& pawnJump) {
  if (pawnJump.code == 0) return "-";
  return {static_cast<char>('a' + pawnJump.col - 1),
          static_cast<char>('0' + RankOfRow(pawnJump.row))};
}

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t\r\n", at);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find_first_of(" \t\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    fields.push_back(text.substr(start, end - start));
    at = end;
  }
  return fields;
}

bool ReadPlacement(std::string_view field, Board& board, std::string& error) {
  board.fill(kEmpty);
  int row = 1;
  int col = 1;
  for (const char c : field) {
    if (c == '/') {
      if (col != 9) {
        error = "rank " + std::to_string(RankOfRow(row)) + " does not hold 8 squares";
        return false;
      }
      if (++row > 8) {
        error = "more than 8 ranks";
        return false;
      }
      col = 1;
    } else if (c >= '1' && c <= '8') {
      col += c - '0';
    } else if (const PieceCode piece = PieceOfLetter(c); piece != kEmpty) {
      if (col <= 8) board(row, col) = piece;
      ++col;
    } else {
      error = std::string("\"") + c + "\" names no piece";
      return false;
    }
    if (col > 9) {
      error = "rank " + std::to_string(RankOfRow(row)) + " holds more than 8 squares";
      return false;
    }
  }
  if (row != 8 || col != 9) {
    error = row != 8 ? "fewer than 8 ranks" : "rank 1 does not hold 8 squares";
    return false;
  }
  return true;
}

bool ReadCastling(std::string_view field, Position& p, std::string& error) {
  if (field == "-") return true;
  for (const char c : field) {
    int* right = nullptr;
    switch (c) {
      case 'K': right = &p.WhiteKingSideOK; break;
      case 'Q': right = &p.WhiteQueenSideOK; break;
      case 'k': right = &p.BlackKingSideOK; break;
      case 'q': right = &p.BlackQueenSideOK; break;
      default: break;
    }
    if (right == nullptr || *right != 0) {
      error = "castling rights \"" + std::string(field) + "\" are not \"-\" or letters of KQkq";
      return false;
    }
    *right = 1;
  }
  // A right whose king or rook has left home cannot be used: dropped.
  const Board& b = p.board;
  p.WhiteKingSideOK &= CastlingPiecesHome(b, kWhite, true) ? 1 : 0;
  p.WhiteQueenSideOK &= CastlingPiecesHome(b, kWhite, false) ? 1 : 0;
  p.BlackKingSideOK &= CastlingPiecesHome(b, kBlack, true) ? 1 : 0;
  p.BlackQueenSideOK &= CastlingPiecesHome(b, kBlack, false) ? 1 : 0;
  return true;
}

// The en-passant square is the one the other side's pawn has just passed
// over: on rank 3 behind a White pawn when Black moves, on rank 6 behind a
// Black pawn when White moves.
bool ReadEnPassant(std::string_view field, Position& p, std::string& error) {
  if (field == "-") return true;
  const int jumper = -p.sideToMove;
  const int rank = jumper > 0 ? 3 : 6;
  const bool square = field.size() == 2 && field[0] >= 'a' && field[0] <= 'h' &&
                      field[1] == static_cast<char>('0' + rank);
  const int col = field[0] - 'a' + 1;
  const int row = RowOfRank(rank);
  if (!square || p.board(row - jumper, col) != kPawn * jumper || p.board(row, col) != kEmpty ||
      p.board(row + jumper, col) != kEmpty) {
    error = "en-passant square \"" + std::string(field) +
            "\" is not one a pawn of the side that moved last has just passed over";
    return false;
  }
  p.pawnJump = {kPawn * jumper, row, col};
  return true;
}

bool ReadCount(std::string_view field, int low, const char* name, int& value,
               std::string& error) {
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (ec != std::errc() || end != field.data() + field.size() || value < low || value > 9999) {
    error = std::string(name) + " \"" + std::string(field) + "\" is not a number from " +
            std::to_string(low) + " to 9999";
    return false;
  }
  return true;
}

}  // namespace

bool ParseFen(std::string_view text, Position& position, std::string& error) {
  Position p;
  const std::vector<std::string_view> fields = Fields(text);
  if (fields.size() != 4 && fields.size() != 6) {
    error = "a FEN has 6 fields (or 4 without the move counters), this has " +
            std::to_string(fields.size());
    return false;
  }
  if (!ReadPlacement(fields[0], p.board, error)) return false;
  if (fields[1] != "w" && fields[1] != "b") {
    error = "side to move \"" + std::string(fields[1]) + "\" is not w or b";
    return false;
  }
  p.sideToMove = fields[1] == "w" ? kWhite : kBlack;
  if (!ReadCastling(fields[2], p, error) || !ReadEnPassant(fields[3], p, error)) return false;
  if (fields.size() == 6 && (!ReadCount(fields[4], 0, "halfmove clock", p.halfmoveClock, error) ||
                             !ReadCount(fields[5], 1, "move number", p.fullmoveNumber, error))) {
    return false;
  }
  position = p;
  return true;
}

std::string FenOf(const GameState& g, int sideToMove, int fullmoveNumber) {
  return FenPlacement(g.GameBoard) + (sideToMove < 0 ? " b " : " w ") + FenCastling(g) + " " +
         FenEnPassant(g.PawnJump) + " 0 " + std::to_string(fullmoveNumber);
}

}  // namespace bdvx
