// The move-history transcript "BDVXHIST" + mm-dd-yyyy + ".TXT".
#pragma once

#include <string>

#include "console/console.h"
#include "game/game_state.h"

namespace bdvx {

// The file name of today's transcript, for example BDVXHIST12-05-2026.TXT.
std::string TranscriptFileName(Console& con);

// Writes the transcript in the working directory, replacing the day's earlier
// one only once the new one is complete. Returns false when it could not be
// written; the previous file is then left as it was.
bool WriteTranscript(Console& con, const SquareTextGrid& squareText, int historyCount,
                     const HistoryTable& histPiece, const HistoryTable& histFrom,
                     const HistoryTable& histTo, int elapsedMinutes,
                     const std::string& endReason);

}  // namespace bdvx
