// The bytes are a PGN text: as a file to go on from, the reader and the
// replay of its last game, played onto a game whose state must then be
// sound; and as a day's PGN, into which a game is written twice, the second
// time giving back what the first gave (the game replaces its own entry).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "game/game_start.h"
#include "records/pgn.h"

using namespace bdvx;

namespace {

// A game of the day as the writer sees it: begun at a fixed time, two moves.
const std::string& SavedGameEntry() {
  static const std::string entry = [] {
    GameState g;
    InitProgramTables(g);
    g.PgnStartDate = "12-06-2026";
    g.PgnStartTime = "10:00:00";
    g.PgnGameNumber = 1;
    g.PgnMoves = {"e4", "e5"};
    g.EndReason = kReasonSnapshot;
    return PgnEntry(g);
  }();
  return entry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  GameStart start;
  std::string problem;
  if (PgnTextGameStart(text, start, problem)) {
    const auto g = std::make_unique<GameState>();
    InitProgramTables(*g);
    g->ComputerSide = (size & 1) != 0 ? kWhite : kBlack;
    PlayGameStart(*g, start);
    fuzz::RequireSoundState(*g);
    FUZZ_REQUIRE(g->PgnMoves.size() == start.moves.size(), "a replayed move left no SAN");
  } else {
    FUZZ_REQUIRE(!problem.empty(), "a refused PGN names no problem");
  }
  const std::string& entry = SavedGameEntry();
  const std::string once = WithPgnEntry(text, entry);
  FUZZ_REQUIRE(once.find(entry) != std::string::npos, "the entry is not in the day's file");
  FUZZ_REQUIRE(WithPgnEntry(once, entry) == once, "writing the game again changed the file");
  return 0;
}
