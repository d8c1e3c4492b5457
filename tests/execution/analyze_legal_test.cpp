// brandovex-analyze in its legal mode, run as the program it is: the
// player's moves the game accepts with their outcomes, and the refusal of
// malformed input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "test_support.h"

namespace bdvx::test {
namespace {

using Lines = std::vector<std::string>;

struct ToolRun {
  int status = -1;
  Lines out, err;
};

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Runs the tool with input on standard input, inside a temporary directory.
ToolRun RunTool(const std::string& input) {
  const std::filesystem::path tool =
      std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex-analyze";
  EXPECT_TRUE(std::filesystem::exists(tool)) << "build the brandovex-analyze target first";
  TempWorkDir dir;
  std::ofstream(dir.path() / "in.txt", std::ios::binary) << input;
  const int raw = std::system((tool.string() + " < in.txt > out.txt 2> err.txt").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, SplitLines(ReadFile(dir.path() / "out.txt")),
          SplitLines(ReadFile(dir.path() / "err.txt"))};
}

// The moves listed by a run that must succeed, one per line.
Lines Legal(const std::string& input) {
  const ToolRun run = RunTool(input);
  EXPECT_EQ(run.status, 0) << ::testing::PrintToString(run.err);
  return run.out;
}

// Expects every one of the moves listed, outcome included.
void ExpectListed(const Lines& listed, std::initializer_list<const char*> moves) {
  for (const char* move : moves)
    EXPECT_NE(std::find(listed.begin(), listed.end(), move), listed.end())
        << move << " missing from " << ::testing::PrintToString(listed);
}

const std::string kStartRows =
    "BRBNBBBQBKBBBNBR\nBPBPBPBPBPBPBPBP\n  ::  ::  ::  ::\n::  ::  ::  ::  \n"
    "  ::  ::  ::  ::\n::  ::  ::  ::  \nWPWPWPWPWPWPWPWP\nWRWNWBWQWKWBWNWR\n";

// The tool's eight board rows, row 1 first, with the pieces ("BK 17": the
// Black king on (1, 7)) on an otherwise empty board.
std::string Rows(std::initializer_list<std::string> pieces) {
  std::string rows;
  for (int row = 1; row <= 8; ++row, rows += '\n')
    for (int col = 1; col <= 8; ++col) rows += (row + col) % 2 == 1 ? "::" : "  ";
  for (const std::string& p : pieces)
    rows.replace((p[3] - '1') * 17 + (p[4] - '1') * 2, 2, p, 0, 2);
  return rows;
}

TEST(AnalyzeLegal, StartingPositionHasTwentyMovesForEitherSide) {
  // From-squares row-major, then destinations row-major.
  const Lines white = Legal(kStartRows + "mode legal\nside W\nrights 1 1 1 1\n");
  ASSERT_EQ(white.size(), 20u);
  EXPECT_EQ((Lines{white[0], white[1], white[15], white[16], white[19]}),
            (Lines{"1 7 1 5 1 ok", "1 7 1 6 1 ok", "1 7 8 6 8 ok", "3 8 2 6 1 ok",
                   "3 8 7 6 8 ok"}));
  const Lines black = Legal(kStartRows + "side B\nmode legal\n");
  ASSERT_EQ(black.size(), 20u);
  EXPECT_EQ((Lines{black[0], black[4], black[19]}),
            (Lines{"-3 1 2 3 1 ok", "-1 2 1 3 1 ok", "-1 2 8 4 8 ok"}));
}

TEST(AnalyzeLegal, OutcomesOfCheckMateAndKingCapture) {
  // Back-row mate by the rook and a knight check, read with CR LF line ends.
  ExpectListed(Legal(Rows({"BK 17", "BP 26", "BP 27", "BP 28", "WN 55", "WR 81", "WK 85"}) +
                     "mode legal\r\nside W\r\n"),
               {"5 8 1 1 1 mate", "5 8 1 2 1 ok", "3 5 5 3 6 check", "3 5 5 4 3 ok",
                "10 8 5 7 5 ok"});
  // The queen on (8, 4) can take the king on (1, 4).
  ExpectListed(Legal(Rows({"BK 14", "WK 81", "WQ 84"}) + "mode legal\nside W\n"),
               {"9 8 4 1 4 kingcapture"});
}

TEST(AnalyzeLegal, DoubleCheckAndCastlingTrialsStartFromTheSamePosition) {
  // The bishop on (5, 5) leaves the rook's column and checks from (3, 3).
  ExpectListed(Legal(Rows({"BK 15", "WB 55", "WK 81", "WR 85"}) + "mode legal\nside W\n"),
               {"4 5 5 3 3 double"});
  // The rook is back in its corner for its own trials after the castling;
  // without the right no castling is listed.
  const std::string castling = Rows({"BK 15", "WK 85", "WR 88"}) + "mode legal\nside W\n";
  ExpectListed(Legal(castling + "rights 0 0 0 1\n"),
               {"10 8 5 8 7 ok", "5 8 8 8 6 ok", "5 8 8 1 8 check"});
  const Lines none = Legal(castling);
  EXPECT_TRUE(std::none_of(none.begin(), none.end(), [](const std::string& move) {
    return move.find("10 8 5 8 7") != std::string::npos;
  })) << ::testing::PrintToString(none);
}

TEST(AnalyzeInput, MalformedInputNamesTheLineAndExitsWith2) {
  const std::pair<std::string, const char*> cases[] = {
      {kStartRows.substr(0, 7 * 17), "line 8:"},
      {kStartRows.substr(0, 3 * 17) + "::  ::  ::  :: \n" + kStartRows.substr(4 * 17), "line 4:"},
      {kStartRows.substr(0, 5 * 17) + "  ::  XX  ::  ::\n" + kStartRows.substr(6 * 17), "line 6:"},
      {kStartRows + "side W\nmode fast\n", "line 10:"},
      {kStartRows + "side W\ncastle 1\n", "line 10:"},
      {kStartRows + "side W\nrights 1 1 2 1\n", "line 10:"},
      {kStartRows + "\ncolour W\n", "line 10:"},
      {kStartRows + "mode legal\n", "side"},
      {kStartRows + "side X\n", "line 9:"},
  };
  for (const auto& [input, line] : cases) {
    SCOPED_TRACE(input);
    const ToolRun run = RunTool(input);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    ASSERT_EQ(run.err.size(), 1u) << ::testing::PrintToString(run.err);
    EXPECT_NE(run.err[0].find(line), std::string::npos) << run.err[0];
  }
}

}  // namespace
}  // namespace bdvx::test
