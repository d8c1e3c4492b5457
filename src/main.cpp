// brandovex: chess for one player against the computer in an 80x24 terminal.
#include <cstdio>
#include <memory>
#include <string>

#include "console/terminal_console.h"
#include "core/game_state.h"
#include "game/turn_loop.h"

int main() {
  // The one game record of the run; large enough to keep off the stack.
  auto game = std::make_unique<bdvx::GameState>();
  bdvx::InitProgramTables(*game);
  std::string problem;
  std::unique_ptr<bdvx::Console> console = bdvx::MakeTerminalConsole(problem);
  if (!console) {
    std::fprintf(stderr, "brandovex: %s\n", problem.c_str());
    return bdvx::kExitNoTerminal;
  }
  return bdvx::RunGame(*game, *console);
}
