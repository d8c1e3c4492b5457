// The record files as the game uses them: dated by the console's clock, and
// the player told on the screen when one could not be written or read.
#pragma once

#include <initializer_list>
#include <string>

#include "console/console.h"
#include "core/game_state.h"

namespace bdvx {

// Width a record message is padded to, so that it clears an older, longer
// message on the same row without running into the next row.
constexpr int kRecordMessageWidth = kScreenCols - 1;

// One line at (row, 1): text padded with blanks to kRecordMessageWidth.
void ShowRecordMessage(Console& con, int row, const std::string& text);

// One line at (row, 1): "  Cannot write <fileName>" padded with blanks.
void ShowWriteFailure(Console& con, int row, const std::string& fileName);

// One record file and whether it was written.
struct RecordWrite {
  std::string fileName;
  bool written = true;
};

// The line naming a written file, or as many blanks when it was not written,
// so that the row is cleared as wide either way.
std::string ShownIf(bool written, const std::string& text);

// When any of the files was not written, tells the player on one line at
// (row, 1), naming those files; returns whether it did.
bool ReportUnwritten(Console& con, int row, std::initializer_list<RecordWrite> files);

// SquareText from GameBoard, then today's transcript with the game's end
// reason; false when it could not be written.
bool WriteGameTranscript(GameState& g, Console& con);

// Today's transcript file name, BDVXHIST + mm-dd-yyyy + .TXT.
std::string TodaysTranscriptName(Console& con);

// The game as today's PGN beside the transcript; false when it could not be
// written. Its file name, BDVXHIST + mm-dd-yyyy + .PGN.
bool WriteGamePgn(const GameState& g, Console& con);
std::string TodaysPgnName(Console& con);

// The game's PGN record begins now: from startFen ("" for the standard
// start), with no moves yet, dated by the console's clock and numbered as
// the next game of the run, so that the day's file can tell it from the
// other games.
void BeginPgnRecord(GameState& g, Console& con, const std::string& startFen);

// LOAD's reading of the snapshot. When the file is missing or damaged, the
// line on row 23 says so, nothing of the game has changed and it answers
// false.
bool LoadGameSnapshot(GameState& g, Console& con);

}  // namespace bdvx
