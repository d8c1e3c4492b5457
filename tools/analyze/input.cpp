#include "input.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <sstream>
#include <vector>

#include "core/board_text.h"

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

// Applies one "key values" line; false with error set when it is malformed.
bool ApplySetting(const std::vector<std::string>& words, Position& p, std::string& error) {
  SettingReader reader(words, error);
  const std::string& key = words[0];
  if (key == "mode") {
    if (!reader.count(1)) return false;
    if (words[1] != "analyze" && words[1] != "legal") {
      error = "mode must be analyze or legal, got \"" + words[1] + "\"";
      return false;
    }
    p.mode = words[1];
    return true;
  }
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

}  // namespace

bool ReadPosition(std::istream& in, Position& position, std::string& error) {
  std::array<std::string, 8> rows;
  for (int r = 1; r <= 8; ++r) {
    std::string& row = rows[static_cast<std::size_t>(r - 1)];
    if (!ReadLine(in, row)) {
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

  bool sideGiven = false;
  std::string line;
  int number = 9;
  for (; ReadLine(in, line); ++number) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    std::string problem;
    if (!ApplySetting(words, position, problem)) {
      error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
    if (words[0] == "side") sideGiven = true;
  }
  if (!sideGiven) {
    error = "line " + std::to_string(number) +
            ": the input ends without the required setting \"side W\" or \"side B\"";
    return false;
  }
  return true;
}

}  // namespace bdvx::analyze
