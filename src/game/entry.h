// The player's entries: clicks (or typed lines) turned into command words,
// move texts and picks, and short typed answers.
#pragma once

#include <string>
#include <string_view>

#include "console/console.h"
#include "core/board.h"
#include "core/game_state.h"

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

// The text with its letters in upper case, as the game reads commands and
// piece texts.
std::string UpperCased(std::string_view text);

// A line typed at the move prompt, read as one of the forms of a move:
// standard algebraic notation ("Nf3", "exd5", "O-O", "e8=Q"), coordinates
// ("e2e4", "e2-e4", "e7e8q") or the game's own text ("WP 75 55", "P 75 55").
// Files a-h are columns 1-8 and ranks 1-8 rows 8-1 whichever side the player
// has. Exactly one of the three results is set, or none for a line that is
// no move (a command, or a text the prompt answers as today).
struct TypedMove {
  std::string moveText;     // the game's move text, "WN 87 66"
  PieceCode promotion = 0;  // the piece the text names for a promoting pawn
  std::string refusal;      // the row-23 line for a move that cannot be made
};
TypedMove ReadTypedMove(const GameState& g, std::string_view line);

}  // namespace bdvx
