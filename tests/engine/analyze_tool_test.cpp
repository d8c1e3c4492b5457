// brandovex-analyze in its analyze mode, run as the program it is: the parse
// array, the candidate lines of the game's own move choice, and the closing
// best, mate or resign line.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace bdvx::test {
namespace {

// The tool's standard output for input, inside a temporary directory.
std::vector<std::string> Analyze(const std::string& input) {
  const std::filesystem::path tool =
      std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex-analyze";
  EXPECT_TRUE(std::filesystem::exists(tool)) << "build the brandovex-analyze target first";
  TempWorkDir dir;
  std::ofstream(dir.path() / "in.txt", std::ios::binary) << input;
  const int raw = std::system((tool.string() + " < in.txt > out.txt 2> err.txt").c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << ReadFile(dir.path() / "err.txt");
  std::vector<std::string> lines;
  std::istringstream out(ReadFile(dir.path() / "out.txt"));
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  return lines;
}

const std::string kStartRows =
    "BRBNBBBQBKBBBNBR\nBPBPBPBPBPBPBPBP\n  ::  ::  ::  ::\n::  ::  ::  ::  \n"
    "  ::  ::  ::  ::\n::  ::  ::  ::  \nWPWPWPWPWPWPWPWP\nWRWNWBWQWKWBWNWR\n";

TEST(AnalyzeTool, StartingPositionAsWhite) {
  const std::vector<std::string> lines = Analyze(kStartRows + "side W\nmove 0\ncastle 1 1\n");
  ASSERT_EQ(lines.size(), 1u + 8u + 20u + 1u);
  EXPECT_EQ(lines[0], "parse");
  EXPECT_EQ(lines[1], "0 -1 -1 -1 -1 -1 -1 0");
  EXPECT_EQ(lines[8], "0 1 1 1 1 1 1 0");
  EXPECT_EQ(lines[9], "cand 1 7 1 5 1 score -10 reply 21 hint -1 2 4 3 4");
  EXPECT_EQ(lines[29], "best 11 1 7 4 6 4 | 1 7 5 6 5");
}

TEST(AnalyzeTool, NoReplySearchPastTheHintLimit) {
  const std::vector<std::string> lines =
      Analyze(kStartRows + "side W\nmove 3\nhintlimit 2\ncastle 1 1\n");
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[9], "cand 1 7 1 5 1 score 0 reply 0");
}

TEST(AnalyzeTool, MateLineEndsTheOutput) {
  const std::vector<std::string> lines = Analyze(
      "::::::::::::BK::\n::::::::::BPBPBP\n::::::::::::::::\n::WP::::::::::::\n"
      "WR::::::::::::::\n::::::::::::::::\n::::::::::::::::\n::::::::WK::::::\nside W\n");
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[9].substr(0, 14), "cand 1 4 2 3 2");
  EXPECT_EQ(lines[10], "mate 5 5 1 1 1");
}

TEST(AnalyzeTool, ResignWhenNothingReachesTheComparison) {
  const std::vector<std::string> lines = Analyze(
      "BKBN::::::::::::\n::::::::::::::::\n::WK::::::::::::\n::::::::WNWB::::\n"
      "::WN::::::::::::\n::::::::::::::::\n::::::::::::::::\n::::::::::::::::\nside B\n");
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[9], "resign");
}

}  // namespace
}  // namespace bdvx::test
