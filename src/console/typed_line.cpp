#include "console/typed_line.h"

#include <algorithm>
#include <cassert>

namespace bdvx {

TypedLine::TypedLine(ScreenBuffer& screen)
    : screen_(screen),
      row_(screen.cursorRow()),
      startCol_(screen.cursorCol()),
      room_(std::max(0, kScreenCols + 1 - screen.cursorCol())) {}

bool TypedLine::key(int code) {
  if (code == kKeyEnter) return true;
  if (code == kKeyBackspace) {
    if (text_.empty()) return false;
    text_.pop_back();
    const int col = startCol_ + static_cast<int>(text_.size());
    screen_.locate(row_, col);
    screen_.print(" ");
    screen_.locate(row_, col);
    return false;
  }
  const bool printable = code >= 0x20 && code < 0x7f;
  if (!printable || static_cast<int>(text_.size()) >= room_) return false;
  text_ += static_cast<char>(code);
  screen_.print(std::string(1, static_cast<char>(code)));
  assert(screen_.cursorRow() == row_);
  return false;
}

void TypedLine::discard() {
  if (text_.empty()) return;
  screen_.locate(row_, startCol_);
  screen_.print(std::string(text_.size(), ' '));
  screen_.locate(row_, startCol_);
  text_.clear();
}

}  // namespace bdvx
