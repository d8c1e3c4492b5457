// The real console: an ncurses terminal of at least 80x24 with mouse reports,
// and the sound player behind it. Constructing it takes over the terminal;
// destroying it (or any signal that ends the program) gives it back sane.
#pragma once

#include <memory>
#include <string>

#include "console/console.h"

namespace bdvx {

// The exit status when the game cannot be played on the terminal: there is
// none, it cannot show the game, or it went away while the game ran (hung
// up, closed, or at end of input; the game then ends at once, writing
// nothing more to it).
constexpr int kExitNoTerminal = 1;

// Takes over the terminal; nullptr when standard input and output are not a
// terminal that can show the game, and problem then says why in one line.
std::unique_ptr<Console> MakeTerminalConsole(std::string& problem);

}  // namespace bdvx
