// How the rules tell the player what a move did, and ask the one question
// they have. The game implements it over the console; the rules know the
// screen only as rows that lines start on, and the voices only by cue name.
#pragma once

#include <string>
#include <string_view>

namespace bdvx {

class MoveReporter {
 public:
  virtual ~MoveReporter() = default;

  // A line written from the start of a screen row: the message column (rows
  // 2 to 7), the promotion prompt (rows 21 and 22) or the refusal row 23.
  virtual void line(int row, std::string_view text) = 0;
  // The message column moves up one row: rows 3 to 7 into rows 2 to 6, and
  // row 7 is left blank.
  virtual void scrollMessages() = 0;
  // A voice cue by name ("check", "CAPTURE", "QUEEN", "applause"), waited
  // for or played alongside the game.
  virtual void cue(std::string_view name, bool wait) = 0;
  // One line the player types from the start of the row, upper-cased.
  virtual std::string typedLine(int row) = 0;
};

}  // namespace bdvx
