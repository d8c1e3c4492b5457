#include "game/commands.h"

#include "game/command_actions.h"
#include "game/custom_board.h"

namespace bdvx {

namespace {

using CommandAction = std::optional<Step> (*)(GameState&, Console&);

struct Command {
  const char* code;
  CommandAction action;
};

// The codes in the order they are tested.
constexpr Command kCommands[] = {
    {"AB", AboutCommand},  {"EX", ExitCommand},   {"DI", DisplayCommand},
    {"HE", HelpCommand},   {"NE", NewCommand},    {"RE", ResignCommand},
    {"PA", ParseCommand},  {"CR", CreateCommand}, {"SA", SaveCommand},
    {"LO", LoadCommand},   {"US", UscfCommand},   {"VO", VoiceCommand},
    {"HI", HintCommand},
};

}  // namespace

CommandOutcome InterpretCommand(GameState& g, Console& con) {
  CommandOutcome outcome;
  // Every code is tested, even after a match; no entry matches two of them.
  for (const Command& command : kCommands) {
    if (g.Code2 != command.code) continue;
    outcome.CommandMatched = 1;
    if (const std::optional<Step> leave = command.action(g, con)) {
      outcome.leaves = true;
      outcome.next = *leave;
      return outcome;
    }
  }
  return outcome;
}

}  // namespace bdvx
