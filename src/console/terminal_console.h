// The real console: an ncurses terminal of at least 80x24 with mouse reports,
// and the sound player behind it. Constructing it takes over the terminal;
// destroying it (or any signal that ends the program) gives it back sane.
#pragma once

#include <memory>

#include "console/console.h"

namespace bdvx {

std::unique_ptr<Console> MakeTerminalConsole();

}  // namespace bdvx
