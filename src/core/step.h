// The named re-entry points of the game's one loop. Each stage returns the
// next one; the program ends at ExitProgram.
#pragma once

namespace bdvx {

enum class Step {
  StartNewGame,
  TurnTop,
  PlayerPrompt,
  MoveExecution,
  EndGame,
  ExitProgram,
};

}  // namespace bdvx
