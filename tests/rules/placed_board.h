// Boards for the rules tests, given as the few pieces that stand on them.
#pragma once

#include <initializer_list>

#include "game/board.h"
#include "test_support.h"

namespace bdvx::test {

struct Placed {
  int row;
  int col;
  PieceCode code;
};

// An empty board with the listed pieces on it.
inline Board Placing(std::initializer_list<Placed> pieces) {
  Board board = EmptyBoard();
  for (const Placed& p : pieces) board(p.row, p.col) = p.code;
  return board;
}

}  // namespace bdvx::test
