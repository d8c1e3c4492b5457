// The half-move history kept for the transcript, the snapshot and the
// repetition draw.
#pragma once

#include <string>

#include "core/game_state.h"

namespace bdvx {

// Records the move of g (MovePiece, Code2, FromRow..ToCol) as the next row.
// The count stops at 300; from then on every move overwrites row 300.
void RecordHistory(GameState& g, const std::string& pieceName);

// The history as it stood before a half-move was recorded: the count and the
// row the record will write, so that a try that does not stand leaves no row.
struct HistoryMark {
  int count = 0;
  int row = 1;
  std::string piece[2], from[2], to[2];
};
HistoryMark MarkHistory(const GameState& g);
void RestoreHistory(GameState& g, const HistoryMark& mark);

// true when the last six rows are the same piece of each side moving between
// the same two squares: pieces of rows n, n-2, n-4 and of n-1, n-3, n-5 equal,
// and descriptive squares of n and n-4, of n-1 and n-5 equal.
bool RepeatedMoves(const GameState& g);

}  // namespace bdvx
