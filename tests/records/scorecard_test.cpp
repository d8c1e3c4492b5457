#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "records/scorecard.h"
#include "records_fixture.h"

namespace bdvx {
namespace {

using test::CrLfLines;
using test::ReadFile;
using test::TempWorkDir;

// The player (White) moved last unless computerWon.
RatingEstimate Estimate(bool playerWon, int moves, int minutes, int points, int level,
                        const std::string& reason = kReasonCheckmate) {
  return EstimateRating(moves, points, playerWon ? kPawn : -kPawn, kBlack, minutes, level, reason);
}

TEST(Rating, WorkedExamples) {
  // Quick win: 2910 - 750 + (160 - 100) + 240 - 0.
  RatingEstimate e = Estimate(true, 30, 10, 12, 9);
  EXPECT_TRUE(e.playerWon);
  EXPECT_EQ(e.rating, 2460);
  EXPECT_EQ(ClassName(e.classIndex), "SENIOR  MASTER");

  e = Estimate(true, 25, 20, 22, 5);
  EXPECT_EQ(e.rating, 1925);
  EXPECT_EQ(e.classIndex, 9);  // 10, lowered by the points rule
  EXPECT_EQ(ClassName(e.classIndex), "CLASS B player");

  e = Estimate(false, 60, 30, 0, 9);
  EXPECT_FALSE(e.playerWon);
  EXPECT_EQ(e.rating, 1200);
  EXPECT_EQ(ClassName(e.classIndex), "CLASS D player");

  e = Estimate(false, 40, 25, -5, 2);
  EXPECT_EQ(e.rating, 100);
  EXPECT_EQ(ClassName(e.classIndex), "CLASS J novice");
}

TEST(Rating, WinnerFollowsTheLastMoverExceptInADraw) {
  // The computer plays White: a Black piece moving last is the player's.
  EXPECT_TRUE(EstimateRating(10, 0, -kRook, kWhite, 5, 9, kReasonResigned).playerWon);
  EXPECT_FALSE(EstimateRating(10, 0, kRook, kWhite, 5, 9, kReasonResigned).playerWon);
  const RatingEstimate draw = Estimate(true, 60, 30, 0, 9, kReasonDraw);
  EXPECT_FALSE(draw.playerWon);
  EXPECT_EQ(draw.rating, 1200);  // the computer-win formula
}

TEST(Rating, BoundsOfRatingAndClass) {
  // Computer wins are capped at 1350 before the adjustments.
  EXPECT_EQ(Estimate(false, 100, 30, 0, 9).rating, 1350);
  // 2400 is the lowest rating of the top class; one less is the class below.
  EXPECT_EQ(Estimate(false, 60, 30, 60, 9).rating, 2400);
  EXPECT_EQ(ClassName(Estimate(false, 60, 30, 60, 9).classIndex), "NATION  MASTER");  // points rule
  RatingEstimate e = Estimate(false, 60, 30, 20, 9);
  EXPECT_EQ(e.rating, 1600);
  EXPECT_EQ(e.classIndex, 9);  // 20 points do not lower the class
  e = Estimate(false, 59, 30, 21, 9);
  EXPECT_EQ(e.rating, 1600);
  EXPECT_EQ(e.classIndex, 8);  // 21 do
  e = Estimate(true, 116, 20, 12, 9);  // 2910 - 2900 + 240
  EXPECT_EQ(e.rating, 250);
  e = Estimate(true, 120, 20, 0, 9);
  EXPECT_EQ(e.rating, 100);  // held at the floor
  e = Estimate(false, 10, 20, 25, 0);  // 200 + 500 - 1800: floor, and the points rule
  EXPECT_EQ(e.rating, 100);
  EXPECT_EQ(e.classIndex, 1);
  EXPECT_EQ(Estimate(true, 1, 0, 100, 9).rating, 2900);  // ceiling
}

TEST(Rating, ClassBoundaries) {
  EXPECT_EQ(ClassIndexOf(2400, 0), 13);
  EXPECT_EQ(ClassName(ClassIndexOf(2400, 0)), "SENIOR  MASTER");
  EXPECT_EQ(ClassName(ClassIndexOf(2399, 0)), "NATION  MASTER");
  EXPECT_EQ(ClassIndexOf(2900, 0), 13);
  EXPECT_EQ(ClassIndexOf(199, 0), 1);
  EXPECT_EQ(ClassIndexOf(200, 0), 2);
  EXPECT_EQ(ClassIndexOf(2400, 20), 13);
  EXPECT_EQ(ClassIndexOf(2400, 21), 12);
  EXPECT_EQ(ClassIndexOf(100, 21), 1);
  // The same boundary through a whole estimate: a win at level 9 after 16
  // minutes is 2910 - 25 x moves + 20 x points.
  EXPECT_EQ(Estimate(true, 22, 16, 2, 9).rating, 2400);
  EXPECT_EQ(Estimate(true, 22, 16, 2, 9).classIndex, 13);
  EXPECT_EQ(Estimate(true, 23, 16, 3, 9).rating, 2395);
  EXPECT_EQ(Estimate(true, 23, 16, 3, 9).classIndex, 12);
}

TEST(Scorecard, ConsoleLinesAtTheCursor) {
  TempWorkDir dir;
  VirtualConsole con;
  con.locate(21, 1);
  con.print(std::string(79, 'x'));
  con.locate(21, 1);
  EXPECT_TRUE(RecordScore(con, 25, 22, kPawn, kBlack, 20, 5, kReasonCheckmate));
  const std::string first = "  YOU must be a CLASS B player rated about 1925";
  EXPECT_EQ(con.textAt(21, 1, static_cast<int>(first.size())), first);
  EXPECT_EQ(con.textAt(22, 1, 52), std::string(52, ' '));
  EXPECT_EQ(con.screen().cursorRow(), 23);
  EXPECT_EQ(con.screen().cursorCol(), 1);
}

TEST(Scorecard, CreatedWithItsHeaderThenAppended) {
  TempWorkDir dir;
  VirtualConsole con;
  con.setDate("12-05-2026");
  con.setTime("21:04:59");
  ASSERT_TRUE(RecordScore(con, 25, 22, kPawn, kBlack, 20, 5, kReasonCheckmate));
  auto lines = CrLfLines(ReadFile(kScorecardFileName));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].rfind("BRANDOVEX SCORECARD", 0), 0u);
  EXPECT_EQ(lines[1], " ");
  const std::string header = "DATE       CLOCK    LEV WINNER    LOSER     YOUR RANK      MOVES TIME SCORE ";
  EXPECT_EQ(lines[2], header);
  const std::string game = "12-05-2026 21:04:59  5  YOU       CHECKMATE CLASS B player   25    20   1925";
  EXPECT_EQ(lines[3], game);
  ASSERT_EQ(game.size(), 76u);

  // Each field, searched for after the one before it, begins within the
  // columns of its header word.
  std::size_t from = 0;
  const auto fieldUnder = [&](const std::string& word, const std::string& field) {
    const std::size_t column = header.find(word);
    const std::size_t start = game.find(field, from);
    EXPECT_GE(start, column) << word;
    EXPECT_LT(start, column + word.size()) << word;
    from = start + field.size();
  };
  fieldUnder("DATE", "12-05-2026");
  fieldUnder("CLOCK", "21:04:59");
  fieldUnder("LEV", "5 ");
  fieldUnder("WINNER", "YOU");
  fieldUnder("LOSER", "CHECKMATE");
  fieldUnder("YOUR RANK", "CLASS B");
  fieldUnder("MOVES", "25");
  fieldUnder("TIME", "20");
  fieldUnder("SCORE", "1925");

  con.setTime("22:00:00");
  ASSERT_TRUE(RecordScore(con, 3, 0, -kKing, kBlack, 1, 0, kReasonDraw));
  lines = CrLfLines(ReadFile(kScorecardFileName));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], game);
  EXPECT_EQ(lines[4],
            "12-05-2026 22:00:00  0  COMPUTER  **DRAW**  CLASS J novice   3    1   100");
}

TEST(Scorecard, ExistingFileIsNeverRewritten) {
  TempWorkDir dir;
  VirtualConsole con;
  test::WriteLines(kScorecardFileName, {"an older scorecard", "with its own lines"});
  ASSERT_TRUE(RecordScore(con, 40, 0, kQueen, kWhite, 30, 9, kReasonResigned));
  const auto lines = CrLfLines(ReadFile(kScorecardFileName));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "an older scorecard");
  EXPECT_NE(lines[2].find("COMPUTER  RESIGNED  CLASS F player   40    30   800"),
            std::string::npos) << lines[2];
}

}  // namespace
}  // namespace bdvx
