// The bytes are a snapshot file BDVXSNAP.TXT: the reader alone, then the
// LOAD command of what the reader accepts (a board with both kings), and the
// game played on from the loaded position: a move of each side chosen by the
// engine, the status line, and the game's end with its scorecard line.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "core/piece_text.h"
#include "engine_check.h"
#include "fuzz_console.h"
#include "game/command_actions.h"
#include "game/console_reporter.h"
#include "game/game_end.h"
#include "game/turn_loop.h"
#include "records/snapshot.h"
#include "rules/attacks.h"

using namespace bdvx;

namespace {

// The fuzzer's bytes as the snapshot file of the working directory.
void WriteSnapshotFile(const std::uint8_t* data, std::size_t size) {
  std::ofstream out(kSnapshotFileName, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The fields a snapshot carries, compared after a save and a second load.
bool SameSnapshotFields(const GameState& a, const GameState& b) {
  return a.SquareText == b.SquareText && a.CheckState == b.CheckState &&
         a.ComputerCaptures == b.ComputerCaptures && a.PlayerCaptures == b.PlayerCaptures &&
         a.PlayerLetter == b.PlayerLetter && a.LastMoverSide == b.LastMoverSide &&
         a.ComputerSide == b.ComputerSide && a.ElapsedMinutes == b.ElapsedMinutes &&
         a.MoveNumber == b.MoveNumber && a.Points == b.Points &&
         a.BlackQueenSideOK == b.BlackQueenSideOK && a.WhiteQueenSideOK == b.WhiteQueenSideOK &&
         a.BlackKingSideOK == b.BlackKingSideOK && a.WhiteKingSideOK == b.WhiteKingSideOK &&
         a.ComputerCaptureCount == b.ComputerCaptureCount &&
         a.PlayerCaptureCount == b.PlayerCaptureCount;
}

// The player's move as the engine would choose it for the player's side,
// typed as a move text through the entry interpreter, then executed.
Step PlayerMove(VirtualConsole& con, GameState& g) {
  MoveRecord computerMove = g.ComputerMove, hintMove = g.HintMove;
  fuzz::ChooseAndCheck(con, g, -g.ComputerSide, g.MoveNumber, 2);
  const MoveRecord move = g.ComputerMove;
  g.ComputerMove = computerMove;
  g.HintMove = hintMove;
  if (move.piece == 0) return Step::PlayerPrompt;
  std::string text;
  PieceTextOfCode(move.piece, text);
  g.InputLine = text + " " + std::to_string(move.fromRow) + std::to_string(move.fromCol) + " " +
                std::to_string(move.toRow) + std::to_string(move.toCol);
  con.queueLine("Q ");  // a promotion's answer
  g.EndReason = kReasonCheckmate;
  g.CaptureFlag = 0;
  const Step step = InterpretEntry(g, con);
  return step == Step::MoveExecution ? MoveExecution(g, con) : step;
}

// The game from the loaded position: the player's move, the computer's
// answer through the turn loop, the next status line, and the game's end
// with the loaded counters in the end line and the scorecard.
void PlayOn(VirtualConsole& con, GameState& g) {
  Step step = PlayerMove(con, g);
  fuzz::RequireSoundState(g);
  if (step == Step::TurnTop) {
    step = TurnTop(g, con);
    if (step == Step::MoveExecution) step = MoveExecution(g, con);
    fuzz::RequireSoundState(g);
    if (step == Step::TurnTop) step = TurnTop(g, con);
  }
  con.queueLine("");  // Enter at the end
  FUZZ_REQUIRE(EndGame(g, con) == Step::ExitProgram, "EndGame did not end the program");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshScratchDir();
  WriteSnapshotFile(data, size);

  fuzz::FuzzConsole con;
  GameState before;
  InitProgramTables(before);
  before.GameBoard = before.InitialBoard;
  before.MovePiece = kNoPiece;  // LOAD is entered from the player's prompt

  // The reader alone: a refusal changes nothing, and what it accepts
  // survives a save and a second load unchanged.
  GameState g = before;
  const LoadResult result = LoadSnapshot(g).result;
  if (result != LoadResult::Loaded) {
    FUZZ_REQUIRE(SameSnapshotFields(g, before), "a refused snapshot changed the game");
    FUZZ_REQUIRE(g.GameBoard == before.GameBoard, "a refused snapshot changed the board");
    return 0;
  }
  FUZZ_REQUIRE(g.GameBoard == before.GameBoard, "LoadSnapshot touched the board");
  FUZZ_REQUIRE(SaveSnapshot(g), "the loaded game could not be saved");
  GameState again = before;
  FUZZ_REQUIRE(LoadSnapshot(again).result == LoadResult::Loaded, "a saved snapshot was refused");
  FUZZ_REQUIRE(SameSnapshotFields(g, again), "save and load changed the snapshot fields");

  // The LOAD command as the player gives it: the game goes on from the file.
  WriteSnapshotFile(data, size);  // the save above replaced it
  g = before;
  con.watch(&g);
  const std::optional<Step> next = LoadCommand(g, con);
  FUZZ_REQUIRE(!next.has_value(), "LOAD left the game");
  FUZZ_REQUIRE(fuzz::BoardHoldsOnlyPieces(g.GameBoard), "a loaded board holds a non-piece");
  FUZZ_REQUIRE(FindKings(g.GameBoard).both(), "LOAD went on without both kings");
  PlayOn(con, g);
  return 0;
}
