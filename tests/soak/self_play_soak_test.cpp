// Many whole games of the computer against itself under the sanitizers, from
// the starting position and from random legal custom boards, with the game's
// invariants checked after every half-move.
//
// The default run is part of the test command. The long run for developers
// (add --gtest_random_seed=N for other games):
//   build/asan/tests/test_soak --gtest_also_run_disabled_tests --gtest_filter='*Long*'
// A failure names the seed of its game; GameSetup replays it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

#include "self_play.h"
#include "test_support.h"

namespace bdvx::soak {
namespace {

// The base seed: fixed for the default run so that it is repeatable, or the
// one given with --gtest_random_seed.
std::uint32_t BaseSeed() {
  const int flag = GTEST_FLAG_GET(random_seed);
  return flag != 0 ? static_cast<std::uint32_t>(flag) : 20261206u;
}

struct RunPlan {
  int games;
  bool custom;
  int maxLevel;
  int halfMoveCap;
};

// Plays the planned games and fails on the first broken invariant, naming
// the game's seed; prints how the games ended and how long they took.
void RunSoak(const RunPlan& plan, std::uint32_t base) {
  test::TempWorkDir dir;
  std::map<Ending, int> endings;
  long halfMoves = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int game = 0; game < plan.games; ++game) {
    const GameSetup setup =
        RandomSetup(base, game, plan.custom, plan.maxLevel, plan.halfMoveCap);
    const GameReport report = PlayGame(setup);
    ASSERT_EQ(report.failure, "")
        << "game " << game << " seed " << setup.seed << " level " << setup.level
        << " computer side " << setup.computerSide << " after " << report.halfMoves
        << " half-moves";
    ++endings[report.ending];
    halfMoves += report.halfMoves;
  }
  // Every game that reached its end appended one scorecard line to the
  // three of the header, and none was lost.
  int finished = 0;
  for (const auto& [ending, count] : endings)
    if (ending != Ending::Cap && ending != Ending::MoveRefused && ending != Ending::MoveCanceled)
      finished += count;
  if (finished > 0) {
    const std::string scorecard = test::ReadFile("BDVXSCORES.TXT");
    EXPECT_EQ(std::count(scorecard.begin(), scorecard.end(), '\n'), finished + 3);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d games, %ld half-moves in %.1f s\n", plan.games, halfMoves, seconds);
  for (const auto& [ending, count] : endings) std::printf("  %5d %s\n", count, EndingName(ending));
}

// The default run: 4,000 games in four parts that ctest runs two at a time,
// at every level (about 25 s of CPU under the sanitizers).
constexpr int kGamesPerPart = 1000;
constexpr int kDefaultMaxLevel = 9;
constexpr int kDefaultCap = 320;  // a few games pass the 300 history rows

TEST(SelfPlaySoak, StartingPositionGamesA) {
  RunSoak({kGamesPerPart, false, kDefaultMaxLevel, kDefaultCap}, BaseSeed());
}
TEST(SelfPlaySoak, StartingPositionGamesB) {
  RunSoak({kGamesPerPart, false, kDefaultMaxLevel, kDefaultCap}, BaseSeed() + 1);
}
TEST(SelfPlaySoak, CustomBoardGamesA) {
  RunSoak({kGamesPerPart, true, kDefaultMaxLevel, kDefaultCap}, BaseSeed() + 2);
}
TEST(SelfPlaySoak, CustomBoardGamesB) {
  RunSoak({kGamesPerPart, true, kDefaultMaxLevel, kDefaultCap}, BaseSeed() + 3);
}

// The long run: every level, a cap past the 300 history rows.
TEST(SelfPlaySoak, DISABLED_LongStartingPositionGames) {
  RunSoak({10000, false, 9, 400}, BaseSeed() + 10);
}
TEST(SelfPlaySoak, DISABLED_LongCustomBoardGames) {
  RunSoak({10000, true, 9, 400}, BaseSeed() + 11);
}

}  // namespace
}  // namespace bdvx::soak
