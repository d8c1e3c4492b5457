#include "records/pgn.h"

#include <vector>

#include "records/text_file.h"

namespace bdvx {

namespace {

constexpr std::size_t kMovetextWidth = 80;

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
  if (g.EndReason == kReasonDraw) {
    return {"1/2-1/2", g.Stalemate ? "Draw by stalemate" : "Draw by repetition"};
  }
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
