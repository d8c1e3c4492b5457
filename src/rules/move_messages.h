// Where the move handling writes: refusals on row 23, every other message on
// the next row of the message column at the top left of the screen.
#pragma once

#include <string_view>

#include "console/console.h"

namespace bdvx {

constexpr int kRefusalRow = 23;

// A refusal or a cancellation: one line at (23, 1).
inline void ShowRefusal(Console& con, std::string_view text) {
  con.locate(kRefusalRow, 1);
  con.printLine(text);
}

// A message of the message column: msgRow moves down one row, the line goes
// there.
inline void ShowMessage(Console& con, int& msgRow, std::string_view text) {
  msgRow += 1;
  con.locate(msgRow, 1);
  con.printLine(text);
}

}  // namespace bdvx
