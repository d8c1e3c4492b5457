#include "records/scorecard.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "core/game_state.h"
#include "core/number_text.h"
#include "records/text_file.h"

namespace bdvx {

namespace {

constexpr int kClassCount = 13;
constexpr int kLowestRating = 100;
constexpr int kHighestRating = 2900;

const std::array<std::string, kClassCount> kClassNames = {
    "CLASS J novice", "CLASS I novice", "CLASS H novice", "CLASS G player", "CLASS F player",
    "CLASS E player", "CLASS D player", "CLASS C player", "CLASS B player", "CLASS A player",
    "NOMINEE MASTER", "NATION  MASTER", "SENIOR  MASTER"};

const std::vector<std::string> kScorecardHeader = {
    "BRANDOVEX SCORECARD - one line for every finished game",
    " ",
    "DATE       CLOCK    LEV WINNER    LOSER     YOUR RANK      MOVES TIME SCORE ",
};

}  // namespace

const std::string& ClassName(int classIndex) {
  assert(classIndex >= 1 && classIndex <= kClassCount);
  return kClassNames[static_cast<std::size_t>(std::clamp(classIndex, 1, kClassCount) - 1)];
}

int ClassIndexOf(int rating, int points) {
  // A big material lead costs one class: the player was helped along.
  int classIndex = std::min(rating / 200 + 1, kClassCount);
  if (points > 20) --classIndex;
  return std::max(classIndex, 1);
}

RatingEstimate EstimateRating(int moveNumber, int points, int movePiece, int computerSide,
                              int elapsedMinutes, int level, const std::string& endReason) {
  RatingEstimate estimate;
  // The player wins when their side moved last, unless the game was drawn.
  const bool playerMovedLast = static_cast<long long>(movePiece) * computerSide < 0;
  estimate.playerWon = playerMovedLast && endReason != kReasonDraw;

  // Wide arithmetic: the counters may be large after a loaded game.
  long long rating = 0;
  if (estimate.playerWon) {
    rating = 2910 - 25LL * moveNumber;
    if (elapsedMinutes < 16) rating += 160 - 10LL * elapsedMinutes;  // quick-win bonus
  } else {
    rating = std::min(20LL * moveNumber, 1350LL);
  }
  rating += 20LL * points;
  rating -= 200LL * (9 - level);
  estimate.rating = static_cast<int>(std::clamp<long long>(rating, kLowestRating, kHighestRating));

  estimate.classIndex = ClassIndexOf(estimate.rating, points);
  return estimate;
}

bool AppendScorecardLine(const std::string& date, const std::string& time,
                         const RatingEstimate& estimate, int moveNumber, int elapsedMinutes,
                         int level, const std::string& endReason) {
  const std::string& className = ClassName(estimate.classIndex);
  const std::string line = date + " " + time + " " + NumberText(level) +
                           "  " + (estimate.playerWon ? "YOU     " : "COMPUTER") + " " +
                           endReason + " " + className + "  " + NumberText(moveNumber) + "   " +
                           NumberText(elapsedMinutes) + "  " + NumberText(estimate.rating);
  return AppendTextLines(kScorecardFileName, kScorecardHeader, {line});
}

}  // namespace bdvx
