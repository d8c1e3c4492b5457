#include "game_steps.h"

#include <cstdio>

#include "console/console.h"
#include "core/number_text.h"
#include "text_pattern.h"

namespace bdvx::e2e {

bool ClickSideAndLevel(GamePane& pane, char side, int level) {
  if (!pane.waitRowStarts(22, "  BLACK  WHITE  <-- Pick your color")) return false;
  if (!pane.clickReady(22, side == 'B' ? 5 : 12)) return false;
  if (!pane.waitRowStarts(22, "  0 1 2 3 4 5 6 7 8 9  <-- Pick difficulty")) return false;
  // The digits stand on the odd columns 3 to 21.
  if (!pane.clickReady(22, 2 * level + 3)) return false;
  return pane.waitRowStarts(21, "  Click Piece and then Destination");
}

bool ParseMoveLine(const std::string& line, ShownMove& move) {
  char side[8] = {};
  char piece[8] = {};
  if (std::sscanf(line.c_str(), " %5s %6s At ( %d %d) Moved To ( %d %d)", side, piece, &move.fromRow,
                  &move.fromCol, &move.toRow, &move.toCol) != 6)
    return false;
  move.side = side;
  move.piece = piece;
  // Read back only when the line is exactly the one these values give.
  std::string word = move.piece;
  word.resize(6, ' ');
  const std::string again = " " + move.side + " " + word + " At (" + NumberText(move.fromRow) +
                            NumberText(move.fromCol) + ") Moved To (" + NumberText(move.toRow) +
                            NumberText(move.toCol) + ")";
  return (move.side == "WHITE" || move.side == "BLACK") && line == again;
}

std::string PieceText(const ShownMove& move) {
  const char letter = move.piece == "KNIGHT" ? 'N' : move.piece[0];
  return std::string(1, move.side[0]) + letter;
}

void SquareOnScreen(int boardRow, int boardCol, int computerSide, int& screenRow, int& textCol) {
  const bool turned = computerSide == kComputerWhite;
  const int shownRow = turned ? 9 - boardRow : boardRow;
  const int shownCol = turned ? 9 - boardCol : boardCol;
  screenRow = 9 + shownRow;
  textCol = 3 * shownCol + 12;
}

bool IsHintAnswer(const std::string& line, int hintLimit, int level) {
  for (const char* word : {"PAWN  ", "KNIGHT", "BISHOP", "ROOK  ", "QUEEN ", "KING  "}) {
    if (FitsPattern(line, std::string("  Hint: Move ") + word + " from ( # #) to ( # #)")) return true;
  }
  return line == "  No hints after move" + NumberText(hintLimit) + " for Level" + NumberText(level);
}

std::string FirstStatusLine(int moveNumber, int level) {
  return "  Move: " + std::to_string(moveNumber) + ". You are 0 points AHEAD after 0 min. Level: " +
         std::to_string(level);
}

}  // namespace bdvx::e2e
