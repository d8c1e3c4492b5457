// The rules and the computer player through the analysis tool, run as the
// program it is: every position of the data files with the tool's complete
// expected output; a difference names the position and its first line.
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

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// Runs the tool with input on standard input, inside a temporary directory.
ToolRun RunTool(const std::string& input) {
  const std::filesystem::path tool =
      std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex-analyze";
  TempWorkDir dir;
  std::ofstream(dir.path() / "in.txt", std::ios::binary) << input;
  const int raw = std::system((tool.string() + " < in.txt > out.txt 2> err.txt").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir.path() / "out.txt"),
          ReadFile(dir.path() / "err.txt")};
}

// The blocks of a positions file: "= name", the tool's input, "--", its
// complete output; "#" lines between blocks are comments.
struct Position {
  std::string name, input, expected;
};

std::vector<Position> ReadPositions(const std::string& fileName) {
  std::vector<Position> positions;
  bool inOutput = false;
  std::istringstream in(ReadFile(DataDir() / fileName));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("= ", 0) == 0) {
      positions.push_back({line.substr(2), "", ""});
      inOutput = false;
    } else if (positions.empty() || line.empty() || line[0] == '#') {
      continue;
    } else if (line == "--") {
      inOutput = true;
    } else {
      (inOutput ? positions.back().expected : positions.back().input) += line + "\n";
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
    EXPECT_EQ(run.status, 0) << run.err;
    const auto [number, difference] = FirstDifference(run.out, p.expected);
    EXPECT_EQ(number, 0) << "first difference at output " << difference;
  }
}

TEST(Positions, PlayerMovesTheRulesAllow) { ExpectOutputs("legal_positions.txt"); }

TEST(Positions, ComputerPlayersChoices) { ExpectOutputs("analyze_positions.txt"); }

// Refused inputs: status 2, no output, the error line naming the right line.
TEST(Positions, BadInputsNameTheirLine) {
  const std::vector<Position> inputs = ReadPositions("bad_inputs.txt");
  ASSERT_GE(inputs.size(), 10u);
  for (const Position& p : inputs) {
    const ToolRun run = RunTool(p.input);
    EXPECT_EQ(run.status, 2) << p.name;
    EXPECT_EQ(run.out + run.err, p.expected) << p.name;
  }
}

}  // namespace
}  // namespace bdvx::test
