// The 80x24 grid of coloured cells behind every console: cursor, colour pair,
// printing with wrap, clearing and skipping. The virtual console is this grid;
// the terminal draws it and can repaint it after a resize.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "console/console.h"

namespace bdvx {

struct Cell {
  char ch = ' ';
  int fg = 7;
  int bg = 0;
  bool operator==(const Cell&) const = default;
};

class ScreenBuffer {
 public:
  ScreenBuffer();

  void locate(int row, int column);
  void setColor(int foreground, int background);
  // Writes printable ASCII as it is; any other byte shows as "?", so nothing
  // from a file or a keyboard can reach the terminal as a control sequence.
  void print(std::string_view text);
  void clear();
  void newLine();
  void skipColumns(int n);
  // Rows top+1..bottom move up one row; row bottom becomes blank in the
  // current pair. The cursor stays where it is.
  void scrollUp(int top, int bottom);

  const Cell& cell(int row, int col) const;
  std::string rowText(int row) const;  // the 80 characters of a row
  int cursorRow() const { return row_; }
  int cursorCol() const { return col_; }
  int foreground() const { return fg_; }
  int background() const { return bg_; }

  // Rows changed since the last call of takeDirtyRows, as a bit per row.
  unsigned takeDirtyRows();

 private:
  void putChar(char ch);

  std::array<Cell, kScreenRows * kScreenCols> cells_;
  int row_ = 1;
  int col_ = 1;
  int fg_ = 7;
  int bg_ = 0;
  unsigned dirty_ = ~0u;
};

}  // namespace bdvx
