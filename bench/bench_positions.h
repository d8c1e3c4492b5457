// The fixed benchmark positions of bench/positions.txt.
#pragma once

#include <string>
#include <vector>

#include "core/board.h"

namespace bdvx::bench {

struct BenchPosition {
  std::string name;
  Board board{};
  int side = kWhite;     // the computer's side, which moves
  int queenSideOK = 0;   // its castle flags
  int kingSideOK = 0;
};

// Reads the positions once; aborts the run with a message on a bad file.
const std::vector<BenchPosition>& BenchPositions();

}  // namespace bdvx::bench
