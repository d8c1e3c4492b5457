#include "console/screen_buffer.h"

#include <algorithm>
#include <cassert>

namespace bdvx {

ScreenBuffer::ScreenBuffer() { clear(); }

void ScreenBuffer::locate(int row, int column) {
  row_ = std::clamp(row, 1, kScreenRows);
  col_ = std::clamp(column, 1, kScreenCols);
}

void ScreenBuffer::setColor(int foreground, int background) {
  fg_ = foreground & 15;
  bg_ = background & 15;
}

void ScreenBuffer::putChar(char ch) {
  if (col_ > kScreenCols) newLine();
  const bool printable = ch >= 0x20 && ch < 0x7f;
  cells_[(row_ - 1) * kScreenCols + (col_ - 1)] = Cell{printable ? ch : '?', fg_, bg_};
  dirty_ |= 1u << (row_ - 1);
  ++col_;
}

void ScreenBuffer::print(std::string_view text) {
  for (char ch : text) putChar(ch);
  // A line filled to column 80 leaves the cursor just past it; the next
  // character or line end moves to the following row.
}

void ScreenBuffer::clear() {
  cells_.fill(Cell{' ', fg_, bg_});
  dirty_ = ~0u;
  row_ = 1;
  col_ = 1;
}

void ScreenBuffer::newLine() {
  col_ = 1;
  if (row_ < kScreenRows) ++row_;
}

void ScreenBuffer::skipColumns(int n) {
  assert(n >= 0);
  const int target = col_ + n;
  if (target > kScreenCols) {
    newLine();
    col_ = std::clamp((target - 1) % kScreenCols + 1, 1, kScreenCols);
  } else {
    col_ = target;
  }
}

void ScreenBuffer::scrollUp(int top, int bottom) {
  assert(top >= 1 && top < bottom && bottom <= kScreenRows);
  const auto rowStart = [this](int row) { return cells_.begin() + (row - 1) * kScreenCols; };
  std::copy(rowStart(top + 1), rowStart(bottom + 1), rowStart(top));
  std::fill(rowStart(bottom), rowStart(bottom + 1), Cell{' ', fg_, bg_});
  for (int row = top; row <= bottom; ++row) dirty_ |= 1u << (row - 1);
}

const Cell& ScreenBuffer::cell(int row, int col) const {
  assert(row >= 1 && row <= kScreenRows && col >= 1 && col <= kScreenCols);
  return cells_[(row - 1) * kScreenCols + (col - 1)];
}

std::string ScreenBuffer::rowText(int row) const {
  std::string text;
  text.reserve(kScreenCols);
  for (int col = 1; col <= kScreenCols; ++col) text += cell(row, col).ch;
  return text;
}

unsigned ScreenBuffer::takeDirtyRows() {
  const unsigned rows = dirty_;
  dirty_ = 0;
  return rows;
}

}  // namespace bdvx
