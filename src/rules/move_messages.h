// Where the move handling writes: refusals on row 23, every other message on
// the next row of the message column at the top left of the screen, rows 2
// to 7. The column never spills onto the board block below it: once it is
// full it scrolls up a row for every new line.
#pragma once

#include <string_view>

#include "console/console.h"

namespace bdvx {

constexpr int kRefusalRow = 23;
constexpr int kFirstMessageRow = 2;
constexpr int kLastMessageRow = 7;

// A refusal or a cancellation: one line at (23, 1).
inline void ShowRefusal(Console& con, std::string_view text) {
  con.locate(kRefusalRow, 1);
  con.printLine(text);
}

// A message of the message column: msgRow moves down one row, the line goes
// there; below row 7 the lines above move up one row and it goes on row 7.
inline void ShowMessage(Console& con, int& msgRow, std::string_view text) {
  msgRow += 1;
  if (msgRow > kLastMessageRow) {
    con.scrollUp(kFirstMessageRow, kLastMessageRow);
    msgRow = kLastMessageRow;
  }
  con.locate(msgRow, 1);
  con.printLine(text);
}

}  // namespace bdvx
