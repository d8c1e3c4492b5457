// The real console: an ncurses terminal of at least 80x24 with mouse reports,
// and the sound player behind it. Constructing it takes over the terminal;
// destroying it (or any signal that ends the program) gives it back sane.
#pragma once

#include <memory>

#include "console/console.h"

namespace bdvx {

// Takes over the terminal; nullptr when standard input and output are not a
// terminal that curses can drive (the game then cannot be played here).
std::unique_ptr<Console> MakeTerminalConsole();

}  // namespace bdvx
