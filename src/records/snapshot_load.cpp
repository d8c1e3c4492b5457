#include <vector>

#include "records/file_error.h"
#include "records/snapshot.h"
#include "records/snapshot_layout.h"
#include "records/text_file.h"

namespace bdvx {

LoadResult LoadSnapshot(Console& con, GameState& g) {
  std::vector<std::string> lines;
  const TextReadResult read =
      ReadTextLines(kSnapshotFileName, kSnapshotLinesRead, kSnapshotMaxLineLength, lines);
  if (read.status == TextReadResult::Status::CannotOpen) {
    con.locate(23, 1);
    con.printLine("  Cannot find or Open " + kSnapshotFileName);
    return LoadResult::Missing;
  }

  // Every line is read and checked before the game is touched; the message
  // names only the line, never the file's content.
  SnapshotFields fields;
  const std::string damage = read.status == TextReadResult::Status::Read
                                 ? ReadSnapshotFields(lines, fields)
                                 : "line " + std::to_string(read.badLine);
  if (!damage.empty()) {
    ShowRecordMessage(con, 23, "  Snapshot " + kSnapshotFileName + " is damaged: " + damage);
    return LoadResult::Refused;
  }

  StoreSnapshotFields(fields, g);
  return LoadResult::Loaded;
}

}  // namespace bdvx
