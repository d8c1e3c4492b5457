// The bytes are typed lines (split at line feeds) for the CREATE command: the
// eight rows, the confirmation, the computer's colour and the "Tap Enter" of
// a board without both kings. When the game goes on from the new board, the
// engine chooses for the side to move and that move is executed.
#include <cstdint>
#include <optional>
#include <string>

#include "engine_check.h"
#include "fuzz_console.h"
#include "game/console_reporter.h"
#include "game/custom_board.h"
#include "rules/attacks.h"

using namespace bdvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshScratchDir();
  fuzz::FuzzConsole con;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      con.queueLine(line);
      line.clear();
    } else {
      line.push_back(static_cast<char>(data[i]));
    }
  }
  con.queueLine(line);

  GameState g;
  InitProgramTables(g);
  g.GameBoard = g.InitialBoard;
  g.MovePiece = kNoPiece;  // CREATE is entered from the player's prompt
  con.watch(&g);
  std::optional<Step> next;
  try {
    next = CreateCommand(g, con);
  } catch (const ScriptExhausted&) {
    return 0;  // the typing stopped half way
  }
  FUZZ_REQUIRE(fuzz::BoardHoldsOnlyPieces(g.GameBoard), "a custom board holds a non-piece");
  if (next.has_value()) return 0;  // no two kings: a new game follows
  FUZZ_REQUIRE(g.LastMoverSide == kWhite || g.LastMoverSide == kBlack, "no side moved last");

  // The side to move plays the engine's choice, executed as the computer's.
  const int side = -g.LastMoverSide;
  g.ComputerSide = side;
  g.PlayerLetter = side == kBlack ? "W" : "B";
  fuzz::ChooseAndCheck(con, g, side, g.MoveNumber, 4);
  if (g.ComputerMove.piece == 0) return 0;
  g.CapturedPiece = g.CaptureGain = g.CaptureFlag = 0;
  SetMoveFields(g, g.ComputerMove);
  MoveExecution(g, con);
  fuzz::RequireSoundState(g);
  return 0;
}
