// brandovex-uci's session: a scripted conversation compared with its golden
// answer, and its moves compared with the computer player's choices in the
// positions table of the analysis tool.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/piece_text.h"
#include "input.h"
#include "records/fen.h"
#include "rules/position_setup.h"
#include "test_support.h"
#include "uci_engine.h"

namespace bdvx::test {
namespace {

// Every line up to quit handed to a fresh engine; its whole answer.
std::string Converse(const std::string& script) {
  uci::Engine engine;
  std::ostringstream out;
  std::istringstream in(script);
  for (std::string line; !engine.quitting() && std::getline(in, line);) {
    out << "> " << line << '\n';
    engine.handle(line, out);
  }
  return out.str();
}

TEST(Uci, ScriptedSessionMatchesItsGoldenAnswer) {
  const std::string got = Converse(ReadFile(DataDir() / "uci" / "session.in"));
  if (std::getenv("BRANDOVEX_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(DataDir() / "uci" / "session.out", std::ios::binary) << got;
  }
  const auto [number, difference] =
      FirstDifference(got, ReadFile(DataDir() / "uci" / "session.out"));
  EXPECT_EQ(number, 0) << "first difference at line " << difference;
}

// A move of the table's output form, "PIECE FR FC TR TC", as coordinates.
std::string CoordinateOfWords(std::istringstream& words) {
  MoveRecord m;
  words >> m.piece >> m.fromRow >> m.fromCol >> m.toRow >> m.toCol;
  return uci::CoordinateOf(m);
}

// What the analysis tool says the computer does: the moves it may choose,
// their score and, for each, the reply it expects; or mate, or resign.
struct ToolChoice {
  std::vector<std::string> moves;
  std::vector<std::string> hints;  // "" where no reply is expected
  int score = 0;
  bool mate = false;
  bool resign = false;
};

ToolChoice ReadToolChoice(const std::string& output) {
  ToolChoice choice;
  std::vector<std::pair<std::string, std::string>> candidates;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "cand") {
      const std::string move = CoordinateOfWords(words);
      std::string word, hint;
      while (words >> word && word != "hint") {}
      if (word == "hint") hint = CoordinateOfWords(words);
      if (hint.rfind("a8a8", 0) == 0 || hint.empty()) hint.clear();
      candidates.emplace_back(move, hint);
    } else if (key == "mate") {
      choice.mate = true;
      choice.moves.push_back(CoordinateOfWords(words));
      choice.hints.push_back("");
    } else if (key == "resign") {
      choice.resign = true;
    } else if (key == "best") {
      words >> choice.score;
      for (std::string bar; words;) {
        const std::string move = CoordinateOfWords(words);
        for (const auto& [m, hint] : candidates) {
          if (m == move) {
            choice.moves.push_back(m);
            choice.hints.push_back(hint);
          }
        }
        words >> bar;
      }
    }
  }
  return choice;
}

// The blocks of the positions table: its input and its output.
std::vector<std::pair<std::string, std::string>> ReadTable() {
  std::vector<std::pair<std::string, std::string>> blocks;
  bool inOutput = false;
  std::istringstream in(ReadFile(DataDir() / "analyze_positions.txt"));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("= ", 0) == 0) {
      blocks.emplace_back();
      inOutput = false;
    } else if (!blocks.empty() && !line.empty() && line[0] != '#') {
      if (line == "--") {
        inOutput = true;
      } else {
        (inOutput ? blocks.back().second : blocks.back().first) += line + "\n";
      }
    }
  }
  return blocks;
}

// The position as FEN, with the table's move number and the lowest level at
// which the reply search runs as the table says (past level 0's limit when
// the table has none at that number); "" when FEN cannot say what the
// table's settings say (castle flags, check records or en passant that the
// game would not hold for that FEN).
std::string FenOfTable(const analyze::Position& p, int& level) {
  GameState g;
  g.GameBoard = p.board;
  g.WhiteQueenSideOK = g.WhiteKingSideOK = g.BlackQueenSideOK = g.BlackKingSideOK = 0;
  (p.side > 0 ? g.WhiteQueenSideOK : g.BlackQueenSideOK) = p.castleQueen;
  (p.side > 0 ? g.WhiteKingSideOK : g.BlackKingSideOK) = p.castleKing;
  g.PawnJump = p.pawnJump;
  const bool searches = p.moveNumber <= p.hintLimit;
  const int moveNumber = searches || p.moveNumber > 2 ? p.moveNumber : 3;
  for (level = 0; level < 9 && (moveNumber <= 4 * level + 2) != searches; ++level) {}
  const int fullmove = moveNumber + (p.side > 0 ? 1 : 0);
  if (fullmove < 1) return "";
  const std::string fen = FenOf(g, p.side, fullmove);

  Position back;
  std::string error;
  if (!ParseFen(fen, back, error) || !PositionProblem(back).empty()) return "";
  GameState placed;
  PlacePosition(placed, back);
  const bool inCheck = placed.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
                       placed.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0;
  const int queen = p.side > 0 ? placed.WhiteQueenSideOK : placed.BlackQueenSideOK;
  const int king = p.side > 0 ? placed.WhiteKingSideOK : placed.BlackKingSideOK;
  if (placed.CheckState != p.checkState || placed.PawnJump != p.pawnJump ||
      (inCheck ? 0 : queen) != p.castleQueen || (inCheck ? 0 : king) != p.castleKing) {
    return "";
  }
  return fen;
}

TEST(Uci, MovesAreTheComputerPlayersChoicesOfThePositionsTable) {
  int compared = 0;
  for (const auto& [input, output] : ReadTable()) {
    std::istringstream in(input);
    analyze::Position p;
    std::string error;
    ASSERT_TRUE(analyze::ReadPosition(in, p, error)) << error;
    if (p.mode != "analyze") continue;
    int level = 0;
    const std::string fen = FenOfTable(p, level);
    if (fen.empty()) continue;
    SCOPED_TRACE(fen + " level " + std::to_string(level));
    ++compared;

    uci::Engine engine;
    std::ostringstream out;
    engine.handle("setoption name Level value " + std::to_string(level), out);
    engine.handle("position fen " + fen, out);
    engine.handle("go", out);
    const ToolChoice tool = ReadToolChoice(output);
    std::istringstream lines(out.str());
    std::string info, best;
    if (tool.resign) {
      std::getline(lines, info);
      EXPECT_EQ(info, "info string resigns");
      continue;
    }
    std::getline(lines, info);
    std::getline(lines, best);
    const std::string move = best.substr(std::string("bestmove ").size());
    std::size_t i = 0;
    while (i < tool.moves.size() && tool.moves[i] != move) ++i;
    ASSERT_LT(i, tool.moves.size()) << out.str();
    const std::string want =
        tool.mate ? "info depth 2 score mate 1 pv " + move
                  : "info depth 2 score cp " + std::to_string(tool.score) + " pv " + move +
                        (tool.hints[i].empty() ? "" : " " + tool.hints[i]);
    EXPECT_EQ(info, want);
  }
  EXPECT_GE(compared, 27);
}

}  // namespace
}  // namespace bdvx::test
