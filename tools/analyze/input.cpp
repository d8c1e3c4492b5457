#include "input.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <memory>
#include <sstream>
#include <vector>

#include "core/board_text.h"
#include "records/fen.h"
#include "rules/castling_rights.h"
#include "rules/position_setup.h"

namespace bdvx::analyze {
namespace {

// One line without its line end; a CR before the LF is dropped.
bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  std::string word;
  while (stream >> word) words.push_back(word);
  return words;
}

// The values of one setting line as whole numbers within [low, high].
class SettingReader {
 public:
  SettingReader(const std::vector<std::string>& words, std::string& error)
      : words_(words), error_(error) {}

  bool count(std::size_t n) {
    if (words_.size() - 1 == n) return true;
    error_ = "\"" + words_[0] + "\" needs " + std::to_string(n) + " value" +
             (n == 1 ? "" : "s") + ", got " + std::to_string(words_.size() - 1);
    return false;
  }

  bool number(std::size_t index, int low, int high, int& value) {
    const std::string& text = words_[index];
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
      error_ = "\"" + words_[0] + "\" value \"" + text + "\" is not a whole number";
      return false;
    }
    if (value < low || value > high) {
      error_ = "\"" + words_[0] + "\" value " + text + " is outside " + std::to_string(low) +
               " to " + std::to_string(high);
      return false;
    }
    return true;
  }

 private:
  const std::vector<std::string>& words_;
  std::string& error_;
};

// A row of CheckState: piece code, its square, the king's square (0 to 8).
bool ReadCheckRow(SettingReader& reader, CheckTable& checkState, int row) {
  if (!reader.count(5)) return false;
  const int highs[5] = {10, 8, 8, 8, 8};
  for (int col = 1; col <= 5; ++col) {
    const int low = col == 1 ? -10 : 0;
    if (!reader.number(static_cast<std::size_t>(col), low, highs[col - 1],
                       checkState(row, col))) {
      return false;
    }
  }
  return true;
}

constexpr int kMaxDepth = 15;

// The mode line: "analyze", "legal", "perft N" or "divide N".
bool ReadMode(const std::vector<std::string>& words, SettingReader& reader, Position& p,
              std::string& error) {
  const std::string what = words.size() > 1 ? words[1] : "";
  if (what == "perft" || what == "divide") {
    p.mode = what;
    return reader.count(2) && reader.number(2, what == "perft" ? 0 : 1, kMaxDepth, p.depth);
  }
  if (what != "analyze" && what != "legal") {
    std::string given;
    for (std::size_t i = 1; i < words.size(); ++i) given += (i > 1 ? " " : "") + words[i];
    error = "mode must be analyze, legal, perft N or divide N, got \"" + given + "\"";
    return false;
  }
  p.mode = what;
  return reader.count(1);
}

// The settings a fen line gives.
bool GivenByFen(const std::string& key) {
  return key == "side" || key == "castle" || key == "rights" || key == "pawnjump" ||
         key == "check1" || key == "check2";
}

// Applies one "key values" line; false with error set when it is malformed.
bool ApplySetting(const std::vector<std::string>& words, bool fromFen, Position& p,
                  std::string& error) {
  SettingReader reader(words, error);
  const std::string& key = words[0];
  if (fromFen && GivenByFen(key)) {
    error = "\"" + key + "\" is given by the fen line";
    return false;
  }
  if (key == "mode") return ReadMode(words, reader, p, error);
  if (key == "side") {
    if (!reader.count(1)) return false;
    if (words[1] != "W" && words[1] != "B") {
      error = "side must be W or B, got \"" + words[1] + "\"";
      return false;
    }
    p.side = words[1] == "W" ? kWhite : kBlack;
    return true;
  }
  if (key == "castle") {
    return reader.count(2) && reader.number(1, 0, 1, p.castleQueen) &&
           reader.number(2, 0, 1, p.castleKing);
  }
  if (key == "rights") {
    return reader.count(4) && reader.number(1, 0, 1, p.blackQueenSideOK) &&
           reader.number(2, 0, 1, p.whiteQueenSideOK) &&
           reader.number(3, 0, 1, p.blackKingSideOK) &&
           reader.number(4, 0, 1, p.whiteKingSideOK);
  }
  constexpr int kAny = 1'000'000'000;
  if (key == "move") return reader.count(1) && reader.number(1, -kAny, kAny, p.moveNumber);
  if (key == "hintlimit") return reader.count(1) && reader.number(1, -kAny, kAny, p.hintLimit);
  if (key == "pawnjump") {
    return reader.count(3) && reader.number(1, -10, 10, p.pawnJump.code) &&
           reader.number(2, 0, 8, p.pawnJump.row) && reader.number(3, 0, 8, p.pawnJump.col);
  }
  if (key == "check1") return ReadCheckRow(reader, p.checkState, kDirectCheckRow);
  if (key == "check2") return ReadCheckRow(reader, p.checkState, kDiscoveredCheckRow);
  error = "unknown setting \"" + key + "\"";
  return false;
}

// The position of a FEN line as the game would hold it with the side to
// move as the computer: the rules' memories, the checks standing against
// the side to move (no castling for it then) and the turn counter.
bool ApplyFen(std::string_view text, Position& p, std::string& error) {
  bdvx::Position fen;
  if (!ParseFen(text, fen, error)) return false;
  const auto g = std::make_unique<GameState>();
  PlacePosition(*g, fen);
  SetTurn(*g, fen.sideToMove, fen.sideToMove, fen.fullmoveNumber);
  p.board = fen.board;
  p.side = fen.sideToMove;
  p.blackQueenSideOK = fen.BlackQueenSideOK;
  p.whiteQueenSideOK = fen.WhiteQueenSideOK;
  p.blackKingSideOK = fen.BlackKingSideOK;
  p.whiteKingSideOK = fen.WhiteKingSideOK;
  p.pawnJump = fen.pawnJump;
  p.checkState = g->CheckState;
  p.moveNumber = g->MoveNumber;
  const CastleFlags castle = ComputerCastleFlags(*g, p.side);
  p.castleQueen = castle.queenSideOK;
  p.castleKing = castle.kingSideOK;
  return true;
}

// Lines 1 to 8, the board rows; the first one already read into first.
bool ReadBoard(std::istream& in, bool haveFirst, const std::string& first, Position& position,
               std::string& error) {
  std::array<std::string, 8> rows;
  for (int r = 1; r <= 8; ++r) {
    std::string& row = rows[static_cast<std::size_t>(r - 1)];
    if (r == 1 && haveFirst) {
      row = first;
    } else if (!ReadLine(in, row)) {
      error = "line " + std::to_string(r) + ": missing board row " + std::to_string(r) +
              " (the input ends)";
      return false;
    }
    if (row.size() != 16) {
      error = "line " + std::to_string(r) + ": board row must be 16 characters, got " +
              std::to_string(row.size());
      return false;
    }
  }
  std::array<std::string_view, 8> views;
  for (std::size_t i = 0; i < 8; ++i) views[i] = rows[i];
  const std::string boardError = BoardFromRows(views, position.board);
  if (!boardError.empty()) {
    // The message names the board row, which is also the line number.
    int row = 0;
    std::sscanf(boardError.c_str(), "row %d", &row);
    error = "line " + std::to_string(row) + ": board " + boardError;
    return false;
  }
  return true;
}

}  // namespace

bool ReadPosition(std::istream& in, Position& position, std::string& error) {
  std::string first;
  const bool haveFirst = ReadLine(in, first);
  const bool fromFen = haveFirst && (first == "fen" || first.rfind("fen ", 0) == 0);
  if (fromFen) {
    std::string problem;
    if (!ApplyFen(std::string_view(first).substr(3), position, problem)) {
      error = "line 1: fen: " + problem;
      return false;
    }
  } else if (!ReadBoard(in, haveFirst, first, position, error)) {
    return false;
  }

  bool sideGiven = fromFen;
  int modeLine = 0;
  std::string line;
  int number = fromFen ? 2 : 9;
  for (; ReadLine(in, line); ++number) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    std::string problem;
    if (!ApplySetting(words, fromFen, position, problem)) {
      error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
    if (words[0] == "side") sideGiven = true;
    if (words[0] == "mode") modeLine = number;
  }
  if (!sideGiven) {
    error = "line " + std::to_string(number) +
            ": the input ends without the required setting \"side W\" or \"side B\"";
    return false;
  }
  // Counting the move tree needs a position a game can reach.
  if (position.mode == "perft" || position.mode == "divide") {
    bdvx::Position reached;
    reached.board = position.board;
    reached.sideToMove = position.side;
    const std::string problem = PositionProblem(reached);
    if (!problem.empty()) {
      error = "line " + std::to_string(modeLine) + ": " + position.mode +
              " needs a position a game can reach: " + problem;
      return false;
    }
  }
  return true;
}

}  // namespace bdvx::analyze
