// Helpers shared by the test programs.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/board.h"

namespace bdvx::test {

// A board from eight rows in the analysis tool's form (row 1 first, "::" or
// two blanks for empty squares). Fails the test on a malformed row.
Board MakeBoard(const std::array<std::string_view, 8>& rows);

// An empty board.
Board EmptyBoard();

// The starting position.
Board StartBoard();

// Makes a fresh temporary directory the working directory for the life of
// the object and goes back (and removes it) afterwards.
class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  TempWorkDir(const TempWorkDir&) = delete;
  TempWorkDir& operator=(const TempWorkDir&) = delete;
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
};

// The whole content of a file, bytes as they are.
std::string ReadFile(const std::filesystem::path& path);

// The lines of a text whose lines end in CR LF (the last one may lack it).
std::vector<std::string> CrLfLines(const std::string& text);

// Replaces line n (from 1) of a file of CR LF lines with text; a file
// shorter than that gets empty lines up to it.
void ReplaceLine(const std::filesystem::path& file, int n, const std::string& text);

// The folder of the tests' data files, tests/data.
std::filesystem::path DataDir();

// Where got first differs from want: the line number (from 1, 0 when they
// are the same) and both versions of that line.
std::pair<int, std::string> FirstDifference(const std::string& got, const std::string& want);

// Runs a shell command and returns what it wrote on standard output.
std::string RunCommand(const std::string& command);

// Bytes in the form tmux's "send-keys -H" takes: two hex digits each.
std::string HexBytes(const std::string& bytes);

}  // namespace bdvx::test
