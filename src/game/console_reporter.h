// The rules' reporter on the console: lines where the rules place them, the
// message column scrolled on the screen, cues from the current voice's
// folder, and typed answers read with the game's key line.
#pragma once

#include <string>

#include "console/console.h"
#include "core/game_state.h"
#include "core/step.h"
#include "rules/move_reporter.h"

namespace bdvx {

class ConsoleReporter : public MoveReporter {
 public:
  // voice is read at every cue, so a new voice is heard at once.
  ConsoleReporter(Console& con, const std::string& voice) : con_(con), voice_(voice) {}

  void line(int row, std::string_view text) override;
  void scrollMessages() override;
  void cue(std::string_view name, bool wait) override;
  std::string typedLine(int row) override;

 private:
  Console& con_;
  const std::string& voice_;
};

// The rules' two steps of the turn loop, told on the console.
Step MoveValidation(GameState& g, Console& con);
Step MoveExecution(GameState& g, Console& con);

}  // namespace bdvx
