#include "records/pgn.h"

#include <vector>

#include "records/text_file.h"

namespace bdvx {

namespace {

constexpr std::size_t kMovetextWidth = 80;

// The FEN letter of a piece: upper case White, lower case Black.
char FenLetter(PieceCode piece) {
  const char* const letters = " P NBR   QK";  // indexed by the magnitude
  const char letter = letters[Magnitude(piece)];
  return piece > 0 ? letter : static_cast<char>(letter - 'A' + 'a');
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

// A right counts when its king and rook still stand where castling needs
// them: the game cannot castle otherwise, and readers refuse such a right.
std::string FenCastling(const GameState& g) {
  const Board& b = g.GameBoard;
  std::string rights;
  if (g.WhiteKingSideOK && b(8, 5) == kKing && b(8, 8) == kRook) rights += 'K';
  if (g.WhiteQueenSideOK && b(8, 5) == kKing && b(8, 1) == kRook) rights += 'Q';
  if (g.BlackKingSideOK && b(1, 5) == -kKing && b(1, 8) == -kRook) rights += 'k';
  if (g.BlackQueenSideOK && b(1, 5) == -kKing && b(1, 1) == -kRook) rights += 'q';
  return rights.empty() ? "-" : rights;
}

std::string FenEnPassant(const PawnJumpRecord& pawnJump) {
  if (pawnJump.code == 0) return "-";
  return {static_cast<char>('a' + pawnJump.col - 1), static_cast<char>('0' + 9 - pawnJump.row)};
}

// "yyyy.mm.dd" from the console's mm-dd-yyyy; unknown parts as "?".
std::string PgnDate(const std::string& dateText) {
  if (dateText.size() != 10) return "????.??.??";
  return dateText.substr(6, 4) + "." + dateText.substr(0, 2) + "." + dateText.substr(3, 2);
}

std::string Tag(const std::string& name, const std::string& value) {
  return "[" + name + " \"" + value + "\"]";
}

// How the record ends: the result, the comment before it, and whether the
// game is over.
struct PgnEnding {
  std::string result;
  std::string comment;
  bool over = true;
};

PgnEnding EndingOf(const GameState& g) {
  if (g.EndReason == kReasonSnapshot) return {"*", "Game saved", false};
  if (g.EndReason == kReasonUserExit) return {"*", "Game left unfinished", false};
  if (g.EndReason == kReasonDraw) return {"1/2-1/2", "Draw by repetition"};
  // The winner as the game end names it: the side of MovePiece.
  const bool whiteWins = g.MovePiece >= 0;
  const std::string winner = whiteWins ? "White" : "Black";
  const std::string loser = whiteWins ? "Black" : "White";
  const std::string result = whiteWins ? "1-0" : "0-1";
  if (g.EndReason == kReasonResigned) return {result, loser + " resigns"};
  // A checkmate is the last move recorded, with its mark; a game that ends
  // on " CHECKMATE" otherwise ended by taking a king, a move SAN cannot
  // write, so the moves stop before it.
  if (!g.PgnMoves.empty() && g.PgnMoves.back().ends_with('#')) {
    return {result, winner + " checkmates"};
  }
  return {result, winner + " takes the " + loser + " king"};
}

// Whether the FEN names Black as the side to move; the standard start ("")
// has White to move.
bool BlackMovesFirst(const std::string& fen) {
  const std::size_t side = fen.find(' ');
  return side != std::string::npos && fen.compare(side, 3, " b ") == 0;
}

// The movetext as words that are never split: "1. e4", "e5", "2. Nf3", or
// "1... e5" when Black moves first; then the comment and the result.
std::vector<std::string> MovetextWords(const GameState& g, const PgnEnding& ending) {
  std::vector<std::string> words;
  bool whiteToMove = !BlackMovesFirst(g.PgnStartFen);
  int number = 1;
  for (std::size_t i = 0; i < g.PgnMoves.size(); ++i) {
    const std::string& move = g.PgnMoves[i];
    if (whiteToMove) {
      words.push_back(std::to_string(number) + ". " + move);
    } else {
      words.push_back(i == 0 ? std::to_string(number) + "... " + move : move);
      ++number;
    }
    whiteToMove = !whiteToMove;
  }
  words.push_back("{" + ending.comment + "}");
  words.push_back(ending.result);
  return words;
}

// The words joined by blanks into lines of at most kMovetextWidth characters.
std::vector<std::string> WrapWords(const std::vector<std::string>& words) {
  std::vector<std::string> lines(1);
  for (const std::string& word : words) {
    std::string& line = lines.back();
    if (line.empty()) {
      line = word;
    } else if (line.size() + 1 + word.size() <= kMovetextWidth) {
      line += " " + word;
    } else {
      lines.push_back(word);
    }
  }
  return lines;
}

std::string PlayerName(const GameState& g, int side) {
  return side == g.ComputerSide ? "Computer level " + std::to_string(g.Level) : "Player";
}

}  // namespace

std::string PgnFileName(const std::string& date) { return "BDVXHIST" + date + ".PGN"; }

std::string FenOf(const GameState& g, int sideToMove) {
  return FenPlacement(g.GameBoard) + (sideToMove < 0 ? " b " : " w ") + FenCastling(g) + " " +
         FenEnPassant(g.PawnJump) + " 0 1";
}

bool WritePgn(const std::string& date, const GameState& g) {
  const PgnEnding ending = EndingOf(g);
  std::vector<std::string> lines = {
      Tag("Event", "BRANDOVEX game"),
      Tag("Site", "?"),
      Tag("Date", PgnDate(date)),
      Tag("Round", "-"),
      Tag("White", PlayerName(g, kWhite)),
      Tag("Black", PlayerName(g, kBlack)),
      Tag("Result", ending.result),
  };
  if (!g.PgnStartFen.empty()) {
    lines.push_back(Tag("SetUp", "1"));
    lines.push_back(Tag("FEN", g.PgnStartFen));
  }
  lines.push_back(Tag("Termination", ending.over ? "normal" : "unterminated"));
  lines.push_back("");
  for (const std::string& line : WrapWords(MovetextWords(g, ending))) lines.push_back(line);
  lines.push_back("");
  return ReplaceTextFile(PgnFileName(date), lines);
}

}  // namespace bdvx
