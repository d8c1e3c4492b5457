#include "game/record_files.h"

#include "core/piece_text.h"
#include "records/pgn.h"
#include "records/snapshot.h"
#include "records/transcript.h"

namespace bdvx {

void ShowRecordMessage(Console& con, int row, const std::string& text) {
  std::string line = text;
  if (line.size() < static_cast<std::size_t>(kRecordMessageWidth)) {
    line.append(kRecordMessageWidth - line.size(), ' ');
  }
  con.locate(row, 1);
  con.printLine(line);
}

void ShowWriteFailure(Console& con, int row, const std::string& fileName) {
  ShowRecordMessage(con, row, "  Cannot write " + fileName);
}

std::string ShownIf(bool written, const std::string& text) {
  return written ? text : std::string(text.size(), ' ');
}

bool ReportUnwritten(Console& con, int row, std::initializer_list<RecordWrite> files) {
  std::string names;
  for (const RecordWrite& file : files) {
    if (file.written) continue;
    if (!names.empty()) names += ", ";
    names += file.fileName;
  }
  if (names.empty()) return false;
  ShowWriteFailure(con, row, names);
  return true;
}

bool WriteGameTranscript(GameState& g, Console& con) {
  SquareTextFromBoard(g.GameBoard, g.SquareText);
  return WriteTranscript(con.dateString(), con.timeString(), g.SquareText, g.HistoryCount,
                         g.HistPiece, g.HistFrom, g.HistTo, g.ElapsedMinutes, g.EndReason);
}

std::string TodaysTranscriptName(Console& con) { return TranscriptFileName(con.dateString()); }

bool WriteGamePgn(const GameState& g, Console& con) { return WritePgn(con.dateString(), g); }

std::string TodaysPgnName(Console& con) { return PgnFileName(con.dateString()); }

void BeginPgnRecord(GameState& g, Console& con, const std::string& startFen) {
  g.PgnStartFen = startFen;
  g.PgnMoves.clear();
  g.PgnStartDate = con.dateString();
  g.PgnStartTime = con.timeString();
  g.PgnGameNumber += 1;
}

bool LoadGameSnapshot(GameState& g, Console& con) {
  const SnapshotLoad load = LoadSnapshot(g);
  if (load.result == LoadResult::Missing) {
    con.locate(23, 1);
    con.printLine("  Cannot find or Open " + kSnapshotFileName);
  } else if (load.result == LoadResult::Refused) {
    ShowRecordMessage(con, 23, "  Snapshot " + kSnapshotFileName + " is damaged: " + load.damage);
  }
  return load.result == LoadResult::Loaded;
}

}  // namespace bdvx
