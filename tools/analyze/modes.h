// brandovex-analyze: one position on standard input, what the rules or the
// computer player make of it on standard output.
#pragma once

#include <ostream>
#include <string>

#include "core/board.h"

namespace bdvx::analyze {

struct Position {
  Board board{};
  std::string mode = "analyze";  // "analyze" or "legal"
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

void RunLegal(const Position& position, std::ostream& out);
void RunAnalyze(const Position& position, std::ostream& out);

}  // namespace bdvx::analyze
