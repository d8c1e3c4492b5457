// The game's 16 console colours on a curses terminal: which terminal colour
// shows each one, and how a terminal with only 8 colours makes do.
#pragma once

namespace bdvx {

// One console colour as the terminal shows it: a curses colour number and,
// for a bright foreground on an 8-colour terminal, the bold attribute.
struct TerminalColor {
  short color = 0;
  bool bold = false;
  bool operator==(const TerminalColor&) const = default;
};

// Maps console colour 0-15 onto a terminal with terminalColors colours.
// With 16 or more, 8-15 are the terminal's bright colours 8-15; with fewer,
// a bright foreground is its dark twin in bold and a bright background is
// just its dark twin.
TerminalColor MapConsoleColor(int consoleColor, int terminalColors, bool background);

}  // namespace bdvx
