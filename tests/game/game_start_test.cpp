// Games taken up from PGN and FEN, as the command line reads them
// (tests/data/game_starts.txt): each input with the game it leads to once
// the player has picked a colour, or the line that refuses it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "console/virtual_console.h"
#include "game/game_start.h"
#include "game/turn_loop.h"
#include "records/fen.h"
#include "rules/position_setup.h"
#include "test_support.h"

namespace bdvx::test {
namespace {

namespace fs = std::filesystem;

// The game in one line: its position as FEN, the points, the player's and
// the computer's captures, the check in force and the history's length.
std::string Described(const GameState& g) {
  const int side = -g.LastMoverSide;
  std::string text = FenOf(g, side, ChessMoveNumber(g, side));
  text += "; points " + std::to_string(g.Points) + "; player";
  for (int i = 1; i <= g.PlayerCaptureCount; ++i) text += " " + g.PlayerCaptures[i];
  text += "; computer";
  for (int i = 1; i <= g.ComputerCaptureCount; ++i) text += " " + g.ComputerCaptures[i];
  const bool check = g.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
                     g.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0;
  return text + (check ? "; check" : "; no check") + "; history " +
         std::to_string(g.HistoryCount);
}

// The game as it stands when the player has picked colour ("w" or "b")
// and level 0.
std::string Started(const GameStart& start, const std::string& colour) {
  const auto g = std::make_unique<GameState>();
  InitProgramTables(*g);
  VirtualConsole con;
  con.queueLine(colour);
  con.queueLine("0");
  StartNewGame(*g, con, &start);
  return Described(*g);
}

// Each case gathers "pgn" lines (the file game.pgn), a "file" of tests/data
// or a "fen", and "as b" for the player on Black; it ends on the line of
// what it leads to: "want" and the game, or "error" and the refusal.
TEST(GameStarts, PgnAndFenLeadToTheirGameOrAreRefused) {
  TempWorkDir dir;
  std::istringstream table(ReadFile(DataDir() / "game_starts.txt"));
  std::string pgn, file, fen, colour = "w";
  int number = 0;
  for (std::string line; std::getline(table, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    const std::string verb = line.substr(0, line.find(' '));
    const std::string rest = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
    if (verb == "pgn") {
      pgn += rest + "\n";
    } else if (verb == "file" || verb == "fen" || verb == "as") {
      (verb == "file" ? file : verb == "fen" ? fen : colour) = rest;
    } else if (verb == "want" || verb == "error") {
      GameStart start;
      std::string error;
      const std::string name = file.empty() ? "game.pgn" : fs::path(file).filename().string();
      if (file.empty()) std::ofstream(name, std::ios::binary) << pgn;
      if (!file.empty() && fs::exists(DataDir() / file)) fs::copy_file(DataDir() / file, name);
      const bool read = fen.empty() ? ReadPgnGameStart(name, start, error)
                                    : ReadFenGameStart(fen, start, error);
      EXPECT_EQ(read ? "want " + Started(start, colour) : "error " + error, line)
          << "the case that ends on line " << number;
      fs::remove(name);
      pgn = file = fen = "";
      colour = "w";
    } else {
      ADD_FAILURE() << "game_starts.txt:" << number << ": no such line: " << line;
    }
  }
}

}  // namespace
}  // namespace bdvx::test
