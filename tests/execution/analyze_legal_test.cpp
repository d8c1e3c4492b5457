// brandovex-analyze in its legal mode, run as the program it is: the
// player's moves the game accepts with their outcomes, and the refusal of
// malformed input.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "test_support.h"

namespace bdvx::test {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the tool with input on standard input, inside a temporary directory.
ToolRun RunTool(const std::string& input) {
  const std::filesystem::path tool =
      std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex-analyze";
  EXPECT_TRUE(std::filesystem::exists(tool)) << "build the brandovex-analyze target first";
  TempWorkDir dir;
  std::ofstream(dir.path() / "in.txt", std::ios::binary) << input;
  const std::string command = tool.string() + " < in.txt > out.txt 2> err.txt";
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(dir.path() / "out.txt");
  run.err = ReadFile(dir.path() / "err.txt");
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kStartRows =
    "BRBNBBBQBKBBBNBR\nBPBPBPBPBPBPBPBP\n  ::  ::  ::  ::\n::  ::  ::  ::  \n"
    "  ::  ::  ::  ::\n::  ::  ::  ::  \nWPWPWPWPWPWPWPWP\nWRWNWBWQWKWBWNWR\n";

TEST(AnalyzeLegal, StartingPositionHasTwentyMovesForEitherSide) {
  const ToolRun white = RunTool(kStartRows + "mode legal\nside W\nrights 1 1 1 1\n");
  ASSERT_EQ(white.status, 0) << white.err;
  const std::vector<std::string> lines = Lines(white.out);
  ASSERT_EQ(lines.size(), 20u);
  // From-squares row-major, then destinations row-major.
  EXPECT_EQ(lines[0], "1 7 1 5 1 ok");
  EXPECT_EQ(lines[1], "1 7 1 6 1 ok");
  EXPECT_EQ(lines[15], "1 7 8 6 8 ok");
  EXPECT_EQ(lines[16], "3 8 2 6 1 ok");
  EXPECT_EQ(lines[19], "3 8 7 6 8 ok");

  const ToolRun black = RunTool(kStartRows + "side B\nmode legal\n");
  ASSERT_EQ(black.status, 0) << black.err;
  const std::vector<std::string> blackLines = Lines(black.out);
  ASSERT_EQ(blackLines.size(), 20u);
  EXPECT_EQ(blackLines[0], "-3 1 2 3 1 ok");
  EXPECT_EQ(blackLines[4], "-1 2 1 3 1 ok");
  EXPECT_EQ(blackLines[19], "-1 2 8 4 8 ok");
}

TEST(AnalyzeLegal, OutcomesOfCheckMateAndKingCapture) {
  // Back-row mate by the rook, a knight check, and the line (8, 4) - (1, 4)
  // where the queen can take the king.
  const std::string rows =
      "::  ::  ::  BK  \n"  // row 1: Black king on (1, 7)
      "  ::  ::  BPBPBP\n"  // row 2: pawns on (2, 6), (2, 7), (2, 8)
      "::  ::  ::  ::  \n"
      "  ::  ::  ::  ::\n"
      "::  ::  WN::  ::\n"  // row 5: White knight on (5, 5)
      "  ::  ::  ::  ::\n"
      "::  ::  ::  ::  \n"
      "WR::  ::WK::  ::\n";  // row 8: rook (8, 1), king (8, 5)
  const ToolRun run = RunTool(rows + "mode legal\r\nside W\r\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string out = run.out;
  EXPECT_NE(out.find("5 8 1 1 1 mate\n"), std::string::npos) << out;
  EXPECT_NE(out.find("5 8 1 2 1 ok\n"), std::string::npos) << out;
  EXPECT_NE(out.find("3 5 5 3 6 check\n"), std::string::npos) << out;
  EXPECT_NE(out.find("3 5 5 4 3 ok\n"), std::string::npos) << out;
  EXPECT_NE(out.find("10 8 5 7 5 ok\n"), std::string::npos) << out;

  const std::string capture =
      "::  ::BK::  ::  \n"  // Black king on (1, 4)
      "  ::  ::  ::  ::\n::  ::  ::  ::  \n  ::  ::  ::  ::\n"
      "::  ::  ::  ::  \n  ::  ::  ::  ::\n::  ::  ::  ::  \n"
      "WK::  WQ  ::  ::\n";  // White king (8, 1), queen (8, 4)
  const ToolRun taking = RunTool(capture + "mode legal\nside W\n");
  ASSERT_EQ(taking.status, 0) << taking.err;
  EXPECT_NE(taking.out.find("9 8 4 1 4 kingcapture\n"), std::string::npos) << taking.out;
}

TEST(AnalyzeLegal, DoubleCheckAndCastlingTrialsStartFromTheSamePosition) {
  // The bishop on (5, 5) leaves the rook's column and checks from (3, 3).
  const std::string position =
      "  ::  ::BK::  ::\n"
      "::  ::  ::  ::  \n  ::  ::  ::  ::\n::  ::  ::  ::  \n"
      "  ::  ::WB::  ::\n"
      "::  ::  ::  ::  \n  ::  ::  ::  ::\n"
      "WK  ::  WR::  ::\n";  // White king (8, 1), rook (8, 5)
  const ToolRun run = RunTool(position + "mode legal\nside W\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("4 5 5 3 3 double\n"), std::string::npos) << run.out;

  const std::string castling =
      "  ::  ::BK::  ::\n"
      "::  ::  ::  ::  \n  ::  ::  ::  ::\n::  ::  ::  ::  \n"
      "  ::  ::  ::  ::\n::  ::  ::  ::  \n  ::  ::  ::  ::\n"
      "::  ::  WK::  WR\n";  // king (8, 5), rook (8, 8)
  const ToolRun castle = RunTool(castling + "mode legal\nside W\nrights 0 0 0 1\n");
  ASSERT_EQ(castle.status, 0) << castle.err;
  EXPECT_NE(castle.out.find("10 8 5 8 7 ok\n"), std::string::npos) << castle.out;
  // The rook is back in its corner for its own trials after the castling.
  EXPECT_NE(castle.out.find("5 8 8 8 6 ok\n"), std::string::npos) << castle.out;
  EXPECT_NE(castle.out.find("5 8 8 1 8 check\n"), std::string::npos) << castle.out;
  // Without the right no castling is listed.
  const ToolRun none = RunTool(castling + "mode legal\nside W\n");
  EXPECT_EQ(none.out.find("10 8 5 8 7"), std::string::npos) << none.out;
}

TEST(AnalyzeInput, MalformedInputNamesTheLineAndExitsWith2) {
  struct Case {
    std::string input;
    std::string line;
  };
  const std::string rows7 = kStartRows.substr(0, 7 * 17);
  const std::vector<Case> cases = {
      {rows7, "line 8:"},
      {kStartRows.substr(0, 3 * 17) + "::  ::  ::  :: \n" + kStartRows.substr(4 * 17), "line 4:"},
      {kStartRows.substr(0, 5 * 17) + "  ::  XX  ::  ::\n" + kStartRows.substr(6 * 17), "line 6:"},
      {kStartRows + "side W\nmode fast\n", "line 10:"},
      {kStartRows + "side W\ncastle 1\n", "line 10:"},
      {kStartRows + "side W\nrights 1 1 2 1\n", "line 10:"},
      {kStartRows + "\ncolour W\n", "line 10:"},
      {kStartRows + "mode legal\n", "side"},
      {kStartRows + "side X\n", "line 9:"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.input);
    EXPECT_EQ(run.status, 2) << c.input;
    EXPECT_TRUE(run.out.empty()) << run.out;
    const std::vector<std::string> errLines = Lines(run.err);
    ASSERT_EQ(errLines.size(), 1u) << run.err;
    EXPECT_NE(errLines[0].find(c.line), std::string::npos) << errLines[0];
  }
}

}  // namespace
}  // namespace bdvx::test
