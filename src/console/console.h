// The game's only window on the host: an 80x24 character screen with a
// 16-colour palette, clicks and typed lines, a clock, random numbers and WAV
// cues. Everything else in the game talks to this interface alone.
#pragma once

#include <string>
#include <string_view>

#include "core/random_source.h"

namespace bdvx {

constexpr int kScreenRows = 24;
constexpr int kScreenCols = 80;

// Colours in the console order: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 brown, 7 light grey, 8 dark grey, 9 light blue, 10 light green,
// 11 light cyan, 12 light red, 13 light magenta, 14 yellow, 15 white.
constexpr int kColorBlue = 1;
constexpr int kColorLightBlue = 9;
constexpr int kColorLightCyan = 11;
constexpr int kColorLightRed = 12;
constexpr int kColorWhite = 15;

// The game's normal text pair, blue on light cyan.
constexpr int kNormalFg = kColorBlue;
constexpr int kNormalBg = kColorLightCyan;

// One completed entry: a left click on a screen cell, or a typed line.
struct Entry {
  enum class Kind { Click, Line };
  Kind kind = Kind::Click;
  int row = 0;  // 1-based screen row of a click
  int col = 0;  // 1-based screen column of a click
  std::string text;  // the typed line, as typed
};

class Console : public RandomSource {
 public:
  virtual ~Console() = default;

  // Screen output. Positions are 1-based; print wraps at column 80.
  virtual void locate(int row, int column) = 0;
  virtual void setColor(int foreground, int background) = 0;
  virtual void print(std::string_view text) = 0;
  virtual void clear() = 0;
  // Ends the current line: the cursor goes to column 1 of the next row
  // (it stays on row 24 at the bottom; the screen never scrolls).
  virtual void newLine() = 0;
  // Moves right without writing; past column 80 the line ends first and the
  // cursor lands on the next row at the column left over.
  virtual void skipColumns(int n) = 0;
  // Rows top+1..bottom move up one row and row bottom is blanked in the
  // current pair; the cursor does not move.
  virtual void scrollUp(int top, int bottom) = 0;

  void printLine(std::string_view text) {
    print(text);
    newLine();
  }
  // " 7" for 7 and 0, "-3" for -3: one leading blank when not negative.
  void printNumber(int n);

  // Input. inputLine prints "? ", echoes the typing and returns the line at
  // Enter. waitEntry blocks until a left click or, when lines are accepted,
  // a typed line echoed at the cursor (the cursor stays after the echo).
  virtual std::string inputLine() = 0;
  virtual Entry waitEntry(bool acceptLines) = 0;

  // Time, random numbers and sound. sleep is a plain delay: no prompt waits
  // for a click then, so clicks made during it (or while the game was busy
  // just before it) are dropped. pauseAtPrompt is the delay of an entry
  // reader whose prompt is already on screen: clicks are kept, in order, for
  // the next waitEntry. Typed keys are kept by both.
  virtual void sleep(int milliseconds) = 0;
  virtual void pauseAtPrompt(int milliseconds) = 0;
  virtual double timer() = 0;                // seconds, monotonic
  virtual std::string dateString() = 0;      // mm-dd-yyyy
  virtual std::string timeString() = 0;      // hh:mm:ss
  double random() override = 0;              // 0 <= r < 1
  virtual void randomize() = 0;              // seed from the clock
  // Plays a WAV file; a missing file beeps instead and is never an error.
  virtual void playSound(const std::string& path, bool wait) = 0;
};

}  // namespace bdvx
