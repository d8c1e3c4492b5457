// The move-history transcript "BDVXHIST" + mm-dd-yyyy + ".TXT".
#pragma once

#include <string>

#include "core/game_state.h"

namespace bdvx {

// The file name of the day's transcript: for the date 12-05-2026 (mm-dd-yyyy)
// BDVXHIST12-05-2026.TXT.
std::string TranscriptFileName(const std::string& date);

// Writes the transcript of the date (mm-dd-yyyy) and time (hh:mm:ss) in the
// working directory, replacing the day's earlier one only once the new one is
// complete. Returns false when it could not be written; the previous file is
// then left as it was.
bool WriteTranscript(const std::string& date, const std::string& time,
                     const SquareTextGrid& squareText, int historyCount,
                     const HistoryTable& histPiece, const HistoryTable& histFrom,
                     const HistoryTable& histTo, int elapsedMinutes,
                     const std::string& endReason);

}  // namespace bdvx
