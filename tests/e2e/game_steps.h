// Steps and readings that several end-to-end games share: the start-up
// picks, the move lines of the message column and the board geometry.
#pragma once

#include <string>

#include "tmux_session.h"

namespace bdvx::e2e {

constexpr int kComputerBlack = -1;  // the player has White
constexpr int kComputerWhite = 1;   // the player has Black

// Waits for the settled splash with the colour prompt, clicks the colour
// ('W' or 'B') and the level digit, and waits for the status line of the
// first turn. Returns false (the screen in pane.last()) when a step stalls.
bool ClickSideAndLevel(GamePane& pane, char side, int level);

// A move line of the message column in the row/column form:
// " BLACK PAWN   At ( 2 5) Moved To ( 3 5)".
struct ShownMove {
  std::string side;   // "WHITE" or "BLACK"
  std::string piece;  // "PAWN", "KNIGHT" ...
  int fromRow = 0;
  int fromCol = 0;
  int toRow = 0;
  int toCol = 0;
};
bool ParseMoveLine(const std::string& line, ShownMove& move);

// The two-character piece text of a shown move ("BP", "WN").
std::string PieceText(const ShownMove& move);

// The screen row and the column of the first character of a board square's
// text, the board turned when the computer plays White.
void SquareOnScreen(int boardRow, int boardCol, int computerSide, int& screenRow, int& textCol);

// The answer of HINT: the hint line of any piece word, or, when the
// computer left no hint, the no-hints line of the hint limit and level.
bool IsHintAnswer(const std::string& line, int hintLimit, int level);

// The status line of a turn: "  Move: n. You are 0 points AHEAD after 0 min. Level: l".
std::string FirstStatusLine(int moveNumber, int level);

}  // namespace bdvx::e2e
