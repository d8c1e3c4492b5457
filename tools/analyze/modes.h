// brandovex-analyze: one position on standard input, what the rules or the
// computer player make of it on standard output.
#pragma once

#include <ostream>
#include <string>

#include "core/board.h"

namespace bdvx::analyze {

struct Position {
  Board board{};
  std::string mode = "analyze";  // "analyze", "legal", "perft" or "divide"
  int depth = 0;                 // perft and divide: half-moves deep
  int side = 0;                  // required: +1 W, -1 B
  int castleQueen = 0;           // analyze: the mover's castle flags
  int castleKing = 0;
  int blackQueenSideOK = 0;      // legal: castling rights
  int whiteQueenSideOK = 0;
  int blackKingSideOK = 0;
  int whiteKingSideOK = 0;
  int moveNumber = 1;
  int hintLimit = 9999;
  PawnJumpRecord pawnJump{};
  CheckTable checkState{};
};

// Prints the legal moves as the game's own validation and execution find
// them. Returns false, with the first difference in disagreement, when the
// fast move generator finds other moves or other outcomes.
bool RunLegal(const Position& position, std::ostream& out, std::string& disagreement);
void RunAnalyze(const Position& position, std::ostream& out);
// Counts the leaves of the legal-move tree (perft), or, for divide, the
// leaves under each first move and then the count.
void RunPerft(const Position& position, std::ostream& out);

}  // namespace bdvx::analyze
