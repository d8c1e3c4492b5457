// Where the move handling writes: refusals on row 23, every other message on
// the next row of the message column at the top left of the screen, rows 2
// to 7. The column never spills onto the board block below it: once it is
// full it scrolls up a row for every new line.
#pragma once

#include <string_view>

#include "rules/move_reporter.h"

namespace bdvx {

constexpr int kRefusalRow = 23;
constexpr int kFirstMessageRow = 2;
constexpr int kLastMessageRow = 7;

// A refusal or a cancellation: one line at (23, 1).
inline void ShowRefusal(MoveReporter& reporter, std::string_view text) {
  reporter.line(kRefusalRow, text);
}

// A message of the message column: msgRow moves down one row, the line goes
// there; below row 7 the lines above move up one row and it goes on row 7.
inline void ShowMessage(MoveReporter& reporter, int& msgRow, std::string_view text) {
  msgRow += 1;
  if (msgRow > kLastMessageRow) {
    reporter.scrollMessages();
    msgRow = kLastMessageRow;
  }
  reporter.line(msgRow, text);
}

}  // namespace bdvx
