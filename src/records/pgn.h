// The game as PGN, "BDVXHIST" + mm-dd-yyyy + ".PGN", beside the transcript:
// the form in which other chess programs read a game.
#pragma once

#include <string>

#include "core/game_state.h"
#include "records/fen.h"

namespace bdvx {

// The file name of the day's PGN: for the date 12-05-2026 (mm-dd-yyyy)
// BDVXHIST12-05-2026.PGN.
std::string PgnFileName(const std::string& date);

// Writes the game of the date (mm-dd-yyyy) from PgnStartFen through PgnMoves in the working
// directory, ended as EndReason says: a finished game with its result, a
// saved or left one unfinished. Replaces the day's earlier file only once
// the new one is complete; returns false when it could not be written.
bool WritePgn(const std::string& date, const GameState& g);

}  // namespace bdvx
