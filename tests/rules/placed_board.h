// Short-hand for the rules tests: boards from a few pieces, squares as one
// number, screen rows as printed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "console/virtual_console.h"
#include "core/board.h"
#include "test_support.h"

namespace bdvx::test {

// A square as one number, row then column: 75 is (7, 5).
constexpr int RowOf(int square) { return square / 10; }
constexpr int ColOf(int square) { return square % 10; }
constexpr std::pair<int, int> RowCol(int square) { return {RowOf(square), ColOf(square)}; }

constexpr std::string_view kLetters = "PNBRQKpnbrqk.";
constexpr PieceCode kCodes[] = {1, 3, 4, 5, 9, 10, -1, -3, -4, -5, -9, -10, 0};

// An empty board with the listed pieces: "85K 15r" puts a White king on
// (8, 5) and a Black rook on (1, 5). Letters P N B R Q K, lower case for
// Black; "." empties the square, so later entries change earlier ones.
inline Board Pieces(std::string_view text) {
  Board board = EmptyBoard();
  std::istringstream in{std::string(text)};
  for (std::string entry; in >> entry;) {
    const auto kind = entry.size() == 3 ? kLetters.find(entry[2]) : std::string_view::npos;
    if (kind == std::string_view::npos || !OnBoard(entry[0] - '0', entry[1] - '0')) {
      ADD_FAILURE() << "bad piece entry " << entry;
      continue;
    }
    board(entry[0] - '0', entry[1] - '0') = kCodes[kind];
  }
  return board;
}

// The pieces of a board in the form Pieces reads, row by row, so that
// boards compare with readable failures. A code outside the list shows as "(code)".
inline std::string Listed(const Board& board) {
  std::string text;
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      if (board(row, col) == 0) continue;
      const PieceCode* code = std::find(std::begin(kCodes), std::end(kCodes), board(row, col));
      text += (text.empty() ? "" : " ") + std::to_string(row * 10 + col);
      text += code != std::end(kCodes) ? std::string(1, kLetters[code - kCodes])
                                       : "(" + std::to_string(board(row, col)) + ")";
    }
  }
  return text;
}

// The row as printed, without the blanks that fill it to column 80.
inline std::string Trimmed(const VirtualConsole& con, int row) {
  const std::string text = con.rowText(row);
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

}  // namespace bdvx::test
