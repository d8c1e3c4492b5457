#include <vector>

#include "records/snapshot.h"
#include "records/snapshot_layout.h"
#include "records/text_file.h"

namespace bdvx {

bool SaveSnapshot(const GameState& g) {
  const SnapshotFields fields = SnapshotFieldsOf(g);
  const std::vector<std::string> lines = SnapshotLines(fields);

  // Only a snapshot that LOAD would take back may replace the earlier one.
  SnapshotFields check;
  if (!ReadSnapshotFields(lines, check).empty()) return false;
  return ReplaceTextFile(kSnapshotFileName, lines);
}

}  // namespace bdvx
