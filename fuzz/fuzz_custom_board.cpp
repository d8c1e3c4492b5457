// The bytes are typed lines (split at line feeds) for the CREATE command: the
// eight rows, the confirmation, the computer's colour and the "Tap Enter" of
// a board without both kings. When the game goes on from the new board, the
// side to move plays the computer player's choice.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "game/custom_board.h"

using namespace bdvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshScratchDir();
  GameState g;
  InitProgramTables(g);
  g.GameBoard = g.InitialBoard;
  g.MovePiece = kNoPiece;  // CREATE is entered from the player's prompt
  fuzz::FuzzConsole con(1, &g);
  const std::string typed(reinterpret_cast<const char*>(data), size);
  for (std::size_t start = 0; start <= typed.size();) {
    const std::size_t end = std::min(typed.find('\n', start), typed.size());
    con.queueLine(typed.substr(start, end - start));
    start = end + 1;
  }
  std::optional<Step> next;
  try {
    next = CreateCommand(g, con);
  } catch (const ScriptExhausted&) {
    return 0;  // the typing stopped half way
  }
  FUZZ_REQUIRE(fuzz::BoardHoldsOnlyPieces(g.GameBoard), "a custom board holds a non-piece");
  if (next.has_value()) return 0;  // no two kings: a new game follows
  FUZZ_REQUIRE(g.LastMoverSide == kWhite || g.LastMoverSide == kBlack, "no side moved last");
  g.ComputerSide = -g.LastMoverSide;
  g.PlayerLetter = g.ComputerSide == kBlack ? "W" : "B";
  fuzz::PlayChoice(con, g, g.ComputerSide, 4);
  fuzz::RequireSoundState(g);
  return 0;
}
