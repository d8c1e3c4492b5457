// The game snapshot "BDVXSNAP.TXT": 118 lines that SAVE writes and LOAD reads.
#pragma once

#include <string>

#include "console/console.h"
#include "game/game_state.h"

namespace bdvx {

inline const std::string kSnapshotFileName = "BDVXSNAP.TXT";

// Writes the snapshot from SquareText, CheckState, the capture lists and the
// counters; the previous snapshot survives any failure. Returns false when
// it could not be written, or when it would hold a value that LoadSnapshot
// refuses (then nothing is written).
bool SaveSnapshot(const GameState& g);

enum class LoadResult {
  Loaded,   // the fields were read from the file
  Missing,  // no file could be opened: "  Cannot find or Open BDVXSNAP.TXT"
  Refused,  // the file was damaged or held values the game cannot use
};

// Reads and checks the whole file before changing anything; on Missing and
// Refused it has written its own line on row 23 and changed no field.
LoadResult LoadSnapshot(Console& con, GameState& g);

}  // namespace bdvx
