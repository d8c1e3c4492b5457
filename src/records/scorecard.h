// The rating estimate of a finished game and the scorecard "BDVXSCORES.TXT".
#pragma once

#include <string>


namespace bdvx {

inline const std::string kScorecardFileName = "BDVXSCORES.TXT";

struct RatingEstimate {
  bool playerWon = false;
  int rating = 100;
  int classIndex = 1;  // 1..13
};

RatingEstimate EstimateRating(int moveNumber, int points, int movePiece,
                              int computerSide, int elapsedMinutes, int level,
                              const std::string& endReason);

// The class of a rating, 1..13: one per 200 rating points, one lower when the
// player is more than 20 points ahead.
int ClassIndexOf(int rating, int points);

const std::string& ClassName(int classIndex);

// Appends the game's line, dated date (mm-dd-yyyy) and time (hh:mm:ss), to
// the scorecard, which is created with its header when missing. Returns false
// when the scorecard could not be written.
bool AppendScorecardLine(const std::string& date, const std::string& time,
                         const RatingEstimate& estimate, int moveNumber, int elapsedMinutes,
                         int level, const std::string& endReason);

}  // namespace bdvx
