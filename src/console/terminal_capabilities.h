// What the game needs of a terminal before it takes it over: a known type
// that can place the cursor and show colours.
#pragma once

#include <string>
#include <string_view>

namespace bdvx {

// How to fix a terminal the game cannot use; ends every refusal.
constexpr std::string_view kTerminalAdvice =
    "run it with TERM set to a type that can place the cursor and show colours, e.g. "
    "TERM=xterm-256color";

// Why the terminal on outputFd, of the type TERM names, cannot show the game,
// in one line (naming what is missing and how to fix it); empty when it can.
// Writes nothing to the terminal.
std::string TerminalProblem(int outputFd);

}  // namespace bdvx
