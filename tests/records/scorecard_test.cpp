#include "records_fixture.h"

namespace bdvx::test {
namespace {

// With the computer on Black a White pawn moving last is the player's.
constexpr int kPlayerLast = kPawn, kComputerLast = -kPawn;

// One finished game, the arguments of EstimateRating, and its estimate.
struct RatingCase {
  int moves, points, minutes, level, movePiece;
  bool playerWon;
  int rating, classIndex;
  int computerSide = kBlack;
  std::string reason = kReasonCheckmate;
};

void ExpectEstimates(const std::vector<RatingCase>& cases) {
  for (const RatingCase& c : cases) {
    const RatingEstimate e = EstimateRating(c.moves, c.points, c.movePiece, c.computerSide,
                                            c.minutes, c.level, c.reason);
    EXPECT_EQ(std::tuple(e.playerWon, e.rating, e.classIndex),
              std::tuple(c.playerWon, c.rating, c.classIndex)) << "moves " << c.moves;
  }
}

TEST(Rating, WorkedExamples) {
  ExpectEstimates({
      {30, 12, 10, 9, kPlayerLast, true, 2460, 13},  // quick win: 2910-750+(160-100)+240
      {25, 22, 20, 5, kPlayerLast, true, 1925, 9},   // class 10, lowered by the points rule
      {60, 0, 30, 9, kComputerLast, false, 1200, 7},
      {40, -5, 25, 2, kComputerLast, false, 100, 1},
  });
}

TEST(Rating, WinnerFollowsTheLastMoverExceptInADraw) {
  ExpectEstimates({
      // The computer plays White: a Black piece moving last is the player's.
      {10, 0, 5, 9, -kRook, true, 2770, 13, kWhite, kReasonResigned},
      {10, 0, 5, 9, kRook, false, 200, 2, kWhite, kReasonResigned},
      {60, 0, 30, 9, kPlayerLast, false, 1200, 7, kBlack, kReasonDraw},  // computer-win formula
  });
}

TEST(Rating, BoundsOfRatingAndClass) {
  ExpectEstimates({
      {100, 0, 30, 9, kComputerLast, false, 1350, 7},  // computer wins are capped at 1350
      {60, 60, 30, 9, kComputerLast, false, 2400, 12},  // top class, lowered by the points rule
      {60, 20, 30, 9, kComputerLast, false, 1600, 9},   // 20 points do not lower the class
      {59, 21, 30, 9, kComputerLast, false, 1600, 8},   // 21 do
      {116, 12, 20, 9, kPlayerLast, true, 250, 2},      // 2910 - 2900 + 240
      {120, 0, 20, 9, kPlayerLast, true, 100, 1},       // held at the floor
      {10, 25, 20, 0, kComputerLast, false, 100, 1},    // floor, and the points rule stops at 1
      {1, 100, 0, 9, kPlayerLast, true, 2900, 12},      // ceiling
  });
}

TEST(Rating, ClassBoundaries) {
  const struct { int rating, points, classIndex; } cases[] = {
      {2400, 0, 13}, {2399, 0, 12},  {2900, 0, 13},  {199, 0, 1},
      {200, 0, 2},   {2400, 20, 13}, {2400, 21, 12}, {100, 21, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassIndexOf(c.rating, c.points), c.classIndex) << c.rating << ", " << c.points;
  }
  // The same boundary through a whole estimate: a win at level 9 after 16
  // minutes is 2910 - 25 x moves + 20 x points.
  ExpectEstimates({{22, 2, 16, 9, kPlayerLast, true, 2400, 13},
                   {23, 3, 16, 9, kPlayerLast, true, 2395, 12}});
  const struct { int index; const char* name; } names[] = {
      {1, "CLASS J novice"}, {5, "CLASS F player"},  {7, "CLASS D player"},
      {9, "CLASS B player"}, {12, "NATION  MASTER"}, {13, "SENIOR  MASTER"},
  };
  for (const auto& n : names) EXPECT_EQ(ClassName(n.index), n.name);
}

using Scorecard = RecordsTest;

TEST_F(Scorecard, CreatedWithItsHeaderThenAppended) {
  con.setDate("12-05-2026");
  con.setTime("21:04:59");
  ASSERT_TRUE(RecordScore(con, 25, 22, kPawn, kBlack, 20, 5, kReasonCheckmate));
  auto lines = CrLfLines(ReadFile(kScorecardFileName));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].rfind("BRANDOVEX SCORECARD", 0), 0u);
  const std::string header =
      "DATE       CLOCK    LEV WINNER    LOSER     YOUR RANK      MOVES TIME SCORE ";
  // The game's line is 76 characters, each field under its header word.
  const std::string game =
      "12-05-2026 21:04:59  5  YOU       CHECKMATE CLASS B player   25    20   1925";
  ExpectLinesAt(lines, 2, {" ", header, game});

  con.setTime("22:00:00");
  ASSERT_TRUE(RecordScore(con, 3, 0, -kKing, kBlack, 1, 0, kReasonDraw));
  lines = CrLfLines(ReadFile(kScorecardFileName));
  ASSERT_EQ(lines.size(), 5u);
  ExpectLinesAt(lines, 4, {game, "12-05-2026 22:00:00  0  COMPUTER  **DRAW**  CLASS J novice"
                                 "   3    1   100"});
}

TEST_F(Scorecard, ExistingFileIsNeverRewritten) {
  WriteLines(kScorecardFileName, {"an older scorecard", "with its own lines"});
  ASSERT_TRUE(RecordScore(con, 40, 0, kQueen, kWhite, 30, 9, kReasonResigned));
  const auto lines = CrLfLines(ReadFile(kScorecardFileName));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "an older scorecard");
  EXPECT_NE(lines[2].find("COMPUTER  RESIGNED  CLASS F player   40    30   800"),
            std::string::npos) << lines[2];
}

}  // namespace
}  // namespace bdvx::test
