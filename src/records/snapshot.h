// The game snapshot "BDVXSNAP.TXT": 118 lines that SAVE writes and LOAD reads.
#pragma once

#include <string>

#include "core/game_state.h"

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

struct SnapshotLoad {
  LoadResult result = LoadResult::Loaded;
  std::string damage;  // Refused: what is wrong, "line 12" or "no White king"
};

// Reads and checks the whole file before changing anything; when it is
// Missing or Refused no field has changed.
SnapshotLoad LoadSnapshot(GameState& g);

}  // namespace bdvx
