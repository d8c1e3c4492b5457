// The fixed benchmark positions of bench/positions.txt.
#pragma once

#include <string>
#include <vector>

#include "core/board.h"
#include "core/random_source.h"

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

// The computer's move in the position (the parse array and the move choice,
// as the turn loop runs them); the board comes back unchanged. Out of line,
// so that bench/move_cost.sh can count exactly this call.
MoveRecord PlayBenchMove(RandomSource& random, const BenchPosition& p, Board& board,
                         int hintLimit);

}  // namespace bdvx::bench
