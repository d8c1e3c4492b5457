// What the tables and scenarios of the game's test program share.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace bdvx::test {

inline std::filesystem::path DataDir() {
  return std::filesystem::path(BRANDOVEX_SOURCE_DIR) / "tests/data";
}

// Replaces line n (from 1) of a file of CR LF lines with text; a file
// shorter than that gets empty lines up to it.
inline void ReplaceLine(const std::filesystem::path& file, int n, const std::string& text) {
  const std::string content = ReadFile(file);
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; at < content.size(); at = end + 2) {
    end = std::min(content.find("\r\n", at), content.size());
    lines.push_back(content.substr(at, end - at));
  }
  if (lines.size() < static_cast<std::size_t>(n)) lines.resize(n);
  lines[n - 1] = text;
  std::ofstream out(file, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
}

// Where got first differs from want: the line number (from 1, 0 when they
// are the same) and both versions of that line.
inline std::pair<int, std::string> FirstDifference(const std::string& got,
                                                   const std::string& want) {
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
