// brandovex: chess for one player against the computer in an 80x24 terminal.
#include "game/game_state.h"

int main() {
  bdvx::GameState game;
  bdvx::InitProgramTables(game);
  return 0;
}
