// Shared set-up for the record file tests: a game at its starting position
// and the lines of a file.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "console/piece_text.h"
#include "game/game_state.h"
#include "test_support.h"

namespace bdvx::test {

// The state of a new game with the player on White, SquareText up to date.
inline GameState NewGameState() {
  GameState g;
  InitProgramTables(g);
  g.GameBoard = g.InitialBoard;
  SquareTextFromBoard(g.GameBoard, g.SquareText);
  g.PlayerCaptures.fill("  ");
  g.ComputerCaptures.fill("  ");
  g.CheckState.fill(0);
  return g;
}

// The file split at CR LF; fails the test when a line ends otherwise.
inline std::vector<std::string> CrLfLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    const std::string line = content.substr(start, end - start);
    if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos) {
      ADD_FAILURE() << "bare line end inside: " << line;
    }
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// Writes a file of the given lines with the given line end.
inline void WriteLines(const std::string& name, const std::vector<std::string>& lines,
                       const std::string& lineEnd = "\r\n") {
  std::string content;
  for (const std::string& line : lines) content += line + lineEnd;
  FILE* file = std::fopen(name.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

}  // namespace bdvx::test
