// VOICE and NEW played through the loop with clicks.
#include <gtest/gtest.h>

#include "flow_support.h"
#include "test_support.h"

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
    if (s.path.find("/splash.wav") != std::string::npos ||
        s.path.find("/awesome.wav") != std::string::npos) {
      cues.push_back(s);
    }
  }
  const std::vector<SoundEvent> expected = {{"wav/ENG/splash.wav", false},
                                            {"wav/ENW/awesome.wav", true},
                                            {"wav/ENW/splash.wav", false}};
  EXPECT_EQ(cues, expected);
  EXPECT_EQ(g.Voice, "ENW");
  EXPECT_EQ(g.Level, 6);
  EXPECT_EQ(con.randomizeCount(), 2);
}

}  // namespace
}  // namespace bdvx
