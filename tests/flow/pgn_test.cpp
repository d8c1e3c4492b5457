// The PGN written beside the transcript, for whole scripted games: a board
// set up by CREATE with Black to move, played until the computer resigns,
// and a game from the start saved and then resigned by the player. Each is
// compared byte for byte with a file that an independent PGN reader
// replayed to the game's final position.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "flow_support.h"
#include "records/pgn.h"
#include "test_support.h"

namespace bdvx {
namespace {

std::string Golden(const std::string& name) {
  return test::ReadFile(std::filesystem::path(BRANDOVEX_SOURCE_DIR) / "tests/data" / name);
}

// Plays a game from the picks through the typed entries, in a fresh working
// directory, and returns the PGN file it left.
std::string PlayedPgn(char colour, int level, const std::vector<std::string>& entries) {
  test::TempWorkDir dir;
  GameState g = test::FreshState();
  VirtualConsole con;
  test::QueuePicks(con, colour, level);
  for (const std::string& entry : entries) con.queueLine(entry);
  try {
    RunGame(g, con);
  } catch (const ScriptExhausted&) {
  }
  return test::ReadFile(PgnFileName(con.dateString()));
}

TEST(Pgn, CreatedBoardWithBlackToMoveUntilTheComputerResigns) {
  // The player has Black; the computer, White, counts as having moved last.
  const std::string pgn = PlayedPgn(
      'B', 1,
      {"CREATE", "BR::::::BK::::BR", "BPBP::::::BPBPBP", "::::::BQ::::::::", "::::::::::::::::",
       "::::::::::::::::", "::::::::::::::::", "WPWP::::::WPWPWP", "::::::::::::WK::", "Y", "W",
       "BK 15 13", "BQ 34 74", "BQ 74 85", "BR 14 74", "BQ 85 76", "BQ 76 66", ""});
  EXPECT_EQ(pgn, Golden("created_board_game.pgn"));
}

TEST(Pgn, GameFromTheStartSavedThenResigned) {
  const std::vector<std::string> moves = {"WP 75 55", "WN 87 66", "WB 86 53", "WK 85 87",
                                          "WP 74 64", "WN 82 74", "WN 66 54", "SAVE"};
  const std::string saved = Golden("saved_game.pgn");
  EXPECT_EQ(PlayedPgn('W', 0, moves), saved);

  // The same game resigned after the SAVE: a finished game, lost by White.
  std::vector<std::string> resigned = moves;
  resigned.insert(resigned.end(), {"RESIGN", ""});
  std::string want = saved;
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"\"*\"", "\"0-1\""},
                                 {"unterminated", "normal"},
                                 {"{Game saved} *", "{White resigns} 0-1"}}) {
    const std::size_t at = want.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    want.replace(at, from.size(), to);
  }
  EXPECT_EQ(PlayedPgn('W', 0, resigned), want);
}

}  // namespace
}  // namespace bdvx
