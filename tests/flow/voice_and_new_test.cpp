// VOICE and NEW played through the loop with clicks.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "flow_support.h"

namespace bdvx {
namespace {

TEST(VoiceAndNew, NewGameKeepsTheChosenVoice) {
  GameState g = test::FreshState();
  VirtualConsole con;
  test::QueuePicks(con, 'W', 3);
  con.queueClick(1, test::kVoiceCol);
  con.queueClick(5, 7);  // ENW
  con.queueClick(1, test::kNewCol);
  test::QueuePicks(con, 'W', 6);
  ASSERT_TRUE(test::RunUntilScriptEnds(g, con));

  std::vector<SoundEvent> cues;
  for (const SoundEvent& s : con.sounds()) {
    const bool cue = s.path.find("/splash.wav") != std::string::npos ||
                     s.path.find("/awesome.wav") != std::string::npos;
    if (cue) cues.push_back(s);
  }
  EXPECT_EQ(cues, (std::vector<SoundEvent>{{"wav/ENG/splash.wav", false},
                                           {"wav/ENW/awesome.wav", true},
                                           {"wav/ENW/splash.wav", false}}));
  EXPECT_EQ(std::tuple(g.Voice, g.Level, con.randomizeCount()), std::tuple("ENW", 6, 2));
}

}  // namespace
}  // namespace bdvx
