#include "game/console_reporter.h"

#include "game/entry.h"
#include "rules/move_execution.h"
#include "rules/move_messages.h"

namespace bdvx {

void ConsoleReporter::line(int row, std::string_view text) {
  con_.locate(row, 1);
  con_.printLine(text);
}

void ConsoleReporter::scrollMessages() { con_.scrollUp(kFirstMessageRow, kLastMessageRow); }

void ConsoleReporter::cue(std::string_view name, bool wait) {
  con_.playSound("wav/" + voice_ + "/" + std::string(name) + ".wav", wait);
}

std::string ConsoleReporter::typedLine(int row) {
  con_.locate(row, 1);
  return ReadKeyLine(con_);
}

Step MoveValidation(GameState& g, Console& con) {
  ConsoleReporter reporter(con, g.Voice);
  return MoveValidation(g, static_cast<MoveReporter&>(reporter));
}

Step MoveExecution(GameState& g, Console& con) {
  ConsoleReporter reporter(con, g.Voice);
  return MoveExecution(g, static_cast<MoveReporter&>(reporter));
}

}  // namespace bdvx
