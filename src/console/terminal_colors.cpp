#include "console/terminal_colors.h"

#include <array>
#include <cassert>

namespace bdvx {

namespace {

// The console's dark colours in curses numbering: the two palettes list
// blue and red, and cyan and brown (yellow), in opposite places.
constexpr std::array<short, 8> kCursesOfDark = {
    0,  // black
    4,  // blue
    2,  // green
    6,  // cyan
    1,  // red
    5,  // magenta
    3,  // brown (curses yellow)
    7,  // light grey (curses white)
};

}  // namespace

TerminalColor MapConsoleColor(int consoleColor, int terminalColors, bool background) {
  assert(consoleColor >= 0 && consoleColor <= 15);
  const bool bright = consoleColor >= 8;
  const short dark = kCursesOfDark[static_cast<std::size_t>(consoleColor & 7)];
  if (!bright) return {dark, false};
  if (terminalColors >= 16) return {static_cast<short>(dark + 8), false};
  return {dark, !background};
}

}  // namespace bdvx
