#include <vector>

#include "records/snapshot.h"
#include "records/snapshot_layout.h"
#include "records/text_file.h"

namespace bdvx {

SnapshotLoad LoadSnapshot(GameState& g) {
  std::vector<std::string> lines;
  const TextReadResult read =
      ReadTextLines(kSnapshotFileName, kSnapshotLinesRead, kSnapshotMaxLineLength, lines);
  if (read.status == TextReadResult::Status::CannotOpen) return {LoadResult::Missing, ""};

  // Every line is read and checked before the game is touched; what is
  // wrong names only the line, never the file's content.
  SnapshotFields fields;
  const std::string damage = read.status == TextReadResult::Status::Read
                                 ? ReadSnapshotFields(lines, fields)
                                 : "line " + std::to_string(read.badLine);
  if (!damage.empty()) return {LoadResult::Refused, damage};

  StoreSnapshotFields(fields, g);
  return {};
}

}  // namespace bdvx
