// Mouse reports as the game sees them: only a left press made while the
// right button is up is a click, and only on a cell of the 80x24 screen.
#pragma once

namespace bdvx {

class ClickFilter {
 public:
  // Takes one mouse report: which buttons it presses and releases. Returns
  // true when it is a left press with the right button up.
  bool report(bool leftPress, bool rightPress, bool rightRelease);

 private:
  bool rightHeld_ = false;
};

// The 1-based game cell (row, col) of the 0-based terminal cell (x, y);
// false when the cell lies outside the game's 80x24 screen.
bool ClickCell(int x, int y, int& row, int& col);

}  // namespace bdvx
