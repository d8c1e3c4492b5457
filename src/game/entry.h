// The player's entries: clicks (or typed lines) turned into command words,
// move texts and picks, and short typed answers.
#pragma once

#include <string>
#include <string_view>

#include "console/console.h"
#include "core/board.h"

namespace bdvx {

enum class EntryMode {
  Colour = 1,  // "B" or "W"
  Move = 2,    // a menu word, "PARSE", "HINT" or a move text "WP 75 55"
  Voice = 3,   // a voice code "ENG" ... "NON"
  Level = 4,   // "0" ... "9"
};

// The columns of the echo row (row 22) that every move prompt blanks; no
// echo the reader leaves behind reaches beyond them.
constexpr int kPromptWidth = 74;

// Waits for an entry of the mode and returns it. The caller places the
// cursor first: row 22 for the picks and moves, where the echo goes.
std::string ReadMouseEntry(Console& con, const Board& board, int computerSide,
                           EntryMode mode);

// Reads one typed line of at most 17 characters (longer lines are asked
// again) and returns its text field upper-cased.
std::string ReadKeyLine(Console& con);

// The text field of a typed line: leading blanks and tabs skipped; a quoted
// text runs to the closing quote; otherwise up to the first comma.
std::string TextField(std::string_view line);

}  // namespace bdvx
