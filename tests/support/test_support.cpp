#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/board_text.h"

namespace bdvx::test {

Board MakeBoard(const std::array<std::string_view, 8>& rows) {
  Board board;
  const std::string error = BoardFromRows(rows, board);
  EXPECT_EQ(error, "");
  return board;
}

Board EmptyBoard() {
  Board board;
  board.fill(0);
  return board;
}

Board StartBoard() {
  return MakeBoard({"BRBNBBBQBKBBBNBR", "BPBPBPBPBPBPBPBP", "  ::  ::  ::  ::",
                    "::  ::  ::  ::  ", "  ::  ::  ::  ::", "::  ::  ::  ::  ",
                    "WPWPWPWPWPWPWPWP", "WRWNWBWQWKWBWNWR"});
}

TempWorkDir::TempWorkDir() : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "bdvx-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = made;
  std::filesystem::current_path(dir_);
}

TempWorkDir::~TempWorkDir() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  // Make read-only trees left by a test removable again.
  for (auto it = std::filesystem::recursive_directory_iterator(dir_, ec);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(dir_, ec);
}

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer;
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    output.append(buffer.data(), got);
  }
  pclose(pipe);
  return output;
}

std::string HexBytes(const std::string& bytes) {
  std::string out;
  char part[4];
  for (unsigned char ch : bytes) {
    std::snprintf(part, sizeof part, "%02x ", ch);
    out += part;
  }
  return out;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
    end = std::min(text.find("\r\n", at), text.size());
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

void ReplaceLine(const std::filesystem::path& file, int n, const std::string& text) {
  std::vector<std::string> lines = CrLfLines(ReadFile(file));
  if (lines.size() < static_cast<std::size_t>(n)) lines.resize(n);
  lines[n - 1] = text;
  std::ofstream out(file, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
}

std::filesystem::path DataDir() {
  return std::filesystem::path(BRANDOVEX_SOURCE_DIR) / "tests/data";
}

std::pair<int, std::string> FirstDifference(const std::string& got, const std::string& want) {
  if (got == want) return {0, ""};
  std::istringstream gotLines(got), wantLines(want);
  std::string g, w;
  for (int number = 1;; ++number) {
    if (!std::getline(gotLines, g)) g = "(end of file)";
    if (!std::getline(wantLines, w)) w = "(end of file)";
    if (g != w || g == "(end of file)") {
      return {number, "line " + std::to_string(number) + "\n  got:      \"" + g +
                          "\"\n  expected: \"" + w + "\""};
    }
  }
}

}  // namespace bdvx::test
