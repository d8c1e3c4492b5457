// The bytes are a snapshot file BDVXSNAP.TXT: the reader alone, then the
// LOAD command of what the reader accepts (a board with both kings), and the
// game played on from the loaded position through the turn loop's stages: the
// player's move (the computer player's choice for that side, typed), the
// computer's answer, the next prompt, and the game's end with its scorecard.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "game/command_actions.h"
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

void PlayOn(fuzz::FuzzConsole& con, GameState& g) {
  Step step = Step::TurnTop;
  for (int prompts = 0; step != Step::ExitProgram && step != Step::EndGame;) {
    if (step == Step::TurnTop) {
      step = TurnTop(g, con);
    } else if (step == Step::MoveExecution) {
      step = MoveExecution(g, con);
    } else if (step == Step::PlayerPrompt) {
      if (++prompts == 2) break;
      const MoveRecord computerMove = g.ComputerMove, hintMove = g.HintMove;
      const std::string broken = fuzz::ChooseFor(con, g, -g.ComputerSide, 2);
      FUZZ_REQUIRE(broken.empty(), broken);
      con.queueLine(g.ComputerMove.piece == 0 ? "USCF" : fuzz::MoveText(g.ComputerMove));
      con.queueLine("Q ");  // a promotion's answer
      g.ComputerMove = computerMove;
      g.HintMove = hintMove;
      step = PlayerPrompt(g, con);
    } else {
      FUZZ_REQUIRE(false, "a typed move led out of the game");
    }
    fuzz::RequireSoundState(g);
  }
  con.queueLine("");  // Enter at the end
  FUZZ_REQUIRE(EndGame(g, con) == Step::ExitProgram, "EndGame did not end the program");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshScratchDir();
  WriteSnapshotFile(data, size);
  GameState before;
  InitProgramTables(before);
  before.GameBoard = before.InitialBoard;
  before.MovePiece = kNoPiece;  // LOAD is entered from the player's prompt

  // The reader alone: a refusal changes nothing, and what it accepts
  // survives a save and a second load unchanged.
  GameState g = before;
  if (LoadSnapshot(g).result != LoadResult::Loaded) {
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
  fuzz::FuzzConsole con(1, &g);
  FUZZ_REQUIRE(!LoadCommand(g, con).has_value(), "LOAD left the game");
  FUZZ_REQUIRE(FindKings(g.GameBoard).both(), "LOAD went on without both kings");
  PlayOn(con, g);
  return 0;
}
