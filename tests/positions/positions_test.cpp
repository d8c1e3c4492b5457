// The rules and the computer player through the analysis tool, run as the
// program it is: every position of the data files with the tool's complete
// expected output; a difference names the position and its first line.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace bdvx::test {
namespace {

using Lines = std::vector<std::string>;

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct ToolRun {
  int status = -1;
  Lines out, err;
};

// Runs the tool with input on standard input, inside a temporary directory.
ToolRun RunTool(const std::string& input) {
  const std::filesystem::path tool =
      std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex-analyze";
  TempWorkDir dir;
  std::ofstream(dir.path() / "in.txt", std::ios::binary) << input;
  const int raw = std::system((tool.string() + " < in.txt > out.txt 2> err.txt").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, SplitLines(ReadFile(dir.path() / "out.txt")),
          SplitLines(ReadFile(dir.path() / "err.txt"))};
}

// The blocks of a positions file: "= name", the tool's input, "--", its
// complete output; "#" lines between blocks are comments.
struct Position {
  std::string name, input;
  Lines expected;
};

std::vector<Position> ReadPositions(const std::string& fileName) {
  std::vector<Position> positions;
  bool inOutput = false;
  const std::filesystem::path data = std::filesystem::path(BRANDOVEX_SOURCE_DIR) / "tests/data";
  for (const std::string& line : SplitLines(ReadFile(data / fileName))) {
    if (line.rfind("= ", 0) == 0) {
      positions.push_back({line.substr(2), "", {}});
      inOutput = false;
    } else if (positions.empty() || line.empty() || line[0] == '#') {
      continue;
    } else if (line == "--") {
      inOutput = true;
    } else {
      (inOutput ? positions.back().expected.push_back(line)
                : void(positions.back().input += line + "\n"));
    }
  }
  return positions;
}

void ExpectOutputs(const std::string& fileName) {
  const std::vector<Position> positions = ReadPositions(fileName);
  ASSERT_GE(positions.size(), 10u) << fileName;
  for (const Position& p : positions) {
    SCOPED_TRACE(p.name);
    const ToolRun run = RunTool(p.input);
    EXPECT_EQ(run.status, 0) << ::testing::PrintToString(run.err);
    const auto [got, wanted] =
        std::mismatch(run.out.begin(), run.out.end(), p.expected.begin(), p.expected.end());
    EXPECT_TRUE(got == run.out.end() && wanted == p.expected.end())
        << "first difference at output line " << (got - run.out.begin()) + 1 << ": got \""
        << (got == run.out.end() ? "(end)" : *got) << "\", expected \""
        << (wanted == p.expected.end() ? "(end)" : *wanted) << "\"";
  }
}

TEST(Positions, PlayerMovesTheRulesAllow) { ExpectOutputs("legal_positions.txt"); }

TEST(Positions, ComputerPlayersChoices) { ExpectOutputs("analyze_positions.txt"); }

}  // namespace
}  // namespace bdvx::test
