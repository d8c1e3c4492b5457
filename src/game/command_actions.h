// The actions behind the menu codes, shared between the interpreter's files.
// Each returns the stage to leave for, or nothing to stay at the prompt.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "console/console.h"
#include "core/game_state.h"
#include "core/step.h"

namespace bdvx {

std::optional<Step> AboutCommand(GameState& g, Console& con);
std::optional<Step> ExitCommand(GameState& g, Console& con);
std::optional<Step> DisplayCommand(GameState& g, Console& con);
std::optional<Step> HelpCommand(GameState& g, Console& con);
std::optional<Step> NewCommand(GameState& g, Console& con);
std::optional<Step> ResignCommand(GameState& g, Console& con);
std::optional<Step> ParseCommand(GameState& g, Console& con);
std::optional<Step> SaveCommand(GameState& g, Console& con);
std::optional<Step> LoadCommand(GameState& g, Console& con);
std::optional<Step> UscfCommand(GameState& g, Console& con);
std::optional<Step> VoiceCommand(GameState& g, Console& con);
std::optional<Step> HintCommand(GameState& g, Console& con);

// After CREATE and LOAD: GameBoard rebuilt from SquareText and the screen
// redrawn with the menu line and the board.
void ShowBoardFromSquareText(GameState& g, Console& con);

// After CREATE: a board without both kings (their FATAL lines already on
// row 23) pauses on pauseText at (23, 55) and starts a new game; otherwise
// the game goes on. (LOAD refuses such a snapshot before changing anything.)
std::optional<Step> NewGameUnlessBothKings(GameState& g, Console& con,
                                           const std::string& pauseText);

}  // namespace bdvx
