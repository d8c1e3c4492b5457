#include "console/terminal_mouse.h"

#include "console/console.h"

namespace bdvx {

bool ClickFilter::report(bool leftPress, bool rightPress, bool rightRelease) {
  // A report that presses both at once is a left+right press: no click.
  if (rightPress) rightHeld_ = true;
  const bool click = leftPress && !rightHeld_;
  if (rightRelease) rightHeld_ = false;
  return click;
}

bool ClickCell(int x, int y, int& row, int& col) {
  if (x < 0 || y < 0 || x >= kScreenCols || y >= kScreenRows) return false;
  row = y + 1;
  col = x + 1;
  return true;
}

}  // namespace bdvx
