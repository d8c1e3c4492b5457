// The SDL sound player on SDL's dummy audio driver (which plays in real time
// into nothing) and on a driver that cannot be opened.
#include "console/sound_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "test_support.h"

namespace bdvx {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

// Writes a mono 16-bit 22050 Hz WAV file holding a quiet 440 Hz tone.
void WriteToneWav(const std::string& path, double seconds) {
  constexpr std::uint32_t kRate = 22050;
  const auto samples = static_cast<std::uint32_t>(seconds * kRate);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + samples * 2, 4);
  out.write("WAVEfmt ", 8);
  PutLittleEndian(out, 16, 4);         // fmt chunk size
  PutLittleEndian(out, 1, 2);          // PCM
  PutLittleEndian(out, 1, 2);          // mono
  PutLittleEndian(out, kRate, 4);      // sample rate
  PutLittleEndian(out, kRate * 2, 4);  // bytes per second
  PutLittleEndian(out, 2, 2);          // block align
  PutLittleEndian(out, 16, 2);         // bits per sample
  out.write("data", 4);
  PutLittleEndian(out, samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i) {
    const double value = 2000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / kRate);
    PutLittleEndian(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
  }
}

class DummyAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteToneWav("short.wav", 0.3);
    WriteToneWav("long.wav", 2.0);
    player_ = MakeSdlSoundPlayer();
  }
  void TearDown() override { player_.reset(); }

  test::TempWorkDir dir_;
  std::unique_ptr<SoundPlayer> player_;
};

TEST_F(DummyAudio, WaitingCueReturnsWhenTheSoundHasEnded) {
  // The first cue also starts the audio device; time the second one too.
  for (int round = 0; round < 2; ++round) {
    const Clock::time_point start = Clock::now();
    EXPECT_TRUE(player_->play("short.wav", true));
    const double elapsed = SecondsSince(start);
    EXPECT_GE(elapsed, 0.3);
    EXPECT_LT(elapsed, 1.2);
    EXPECT_FALSE(player_->playing());
  }
}

TEST_F(DummyAudio, CueWithoutWaitPlaysBesideTheGameAndEndsByItself) {
  const Clock::time_point start = Clock::now();
  EXPECT_TRUE(player_->play("short.wav", false));
  EXPECT_LT(SecondsSince(start), 0.2);
  EXPECT_TRUE(player_->playing());
  while (player_->playing() && SecondsSince(start) < 3.0)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(player_->playing());
  EXPECT_GE(SecondsSince(start), 0.2);
}

TEST_F(DummyAudio, NextCueStopsTheOneStillPlaying) {
  const Clock::time_point start = Clock::now();
  EXPECT_TRUE(player_->play("long.wav", false));
  EXPECT_LT(SecondsSince(start), 0.2);
  EXPECT_TRUE(player_->playing());
  EXPECT_TRUE(player_->play("short.wav", true));
  // The two-second cue did not hold the short one up, nor does it go on.
  EXPECT_LT(SecondsSince(start), 1.4);
  EXPECT_FALSE(player_->playing());
}

TEST_F(DummyAudio, WaitingCallsThePauseInsteadOfSleepingBlind) {
  EXPECT_TRUE(player_->play("short.wav", false));  // the device is open now
  double pausedSeconds = 0;
  int pauses = 0;
  player_->setPause([&](int ms) {
    const Clock::time_point start = Clock::now();
    ++pauses;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    pausedSeconds += SecondsSince(start);
  });
  const Clock::time_point start = Clock::now();
  EXPECT_TRUE(player_->play("short.wav", true));
  // Small steps (the console handles its events between them) that fill
  // nearly all of the wait.
  EXPECT_GE(pauses, 3);
  EXPECT_GE(pausedSeconds, 0.8 * SecondsSince(start));
}

TEST_F(DummyAudio, MissingOrBrokenFileRingsTheBell) {
  std::ofstream("broken.wav") << "not a wave file";
  int bells = 0;
  const auto bell = [&] { ++bells; };
  const Clock::time_point start = Clock::now();
  PlayCueOrBell(*player_, "wav/NON/check.wav", true, bell);
  EXPECT_EQ(bells, 1);
  PlayCueOrBell(*player_, "broken.wav", true, bell);
  EXPECT_EQ(bells, 2);
  EXPECT_LT(SecondsSince(start), 0.5);
  PlayCueOrBell(*player_, "short.wav", true, bell);
  EXPECT_EQ(bells, 2);
}

// A cue longer than 15 seconds, or a file larger than 8 MB (here a short
// sound with 8 MB of padding behind it), beeps instead of playing.
TEST_F(DummyAudio, OverlongOrOversizedCueRingsTheBell) {
  const struct {
    const char* path;
    double seconds;
    std::uintmax_t paddedTo;
    bool bell;
  } cases[] = {
      {"sixteen.wav", 15.5, 0, true},
      {"padded.wav", 0.3, 8 * 1024 * 1024 + 1, true},
      {"fourteen.wav", 14.5, 0, false},  // last: a refused cue leaves it playing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    WriteToneWav(c.path, c.seconds);
    if (c.paddedTo > 0) std::filesystem::resize_file(c.path, c.paddedTo);
    int bells = 0;
    PlayCueOrBell(*player_, c.path, false, [&] { ++bells; });
    EXPECT_EQ(bells, c.bell ? 1 : 0);
    EXPECT_EQ(player_->playing(), !c.bell);
  }
}

TEST(NoAudioDevice, EveryCueBeepsAtOnceWithoutWaiting) {
  test::TempWorkDir dir;
  setenv("SDL_AUDIODRIVER", "nonexistent", 1);
  WriteToneWav("long.wav", 2.0);
  auto player = MakeSdlSoundPlayer();
  int bells = 0;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < 3; ++i) PlayCueOrBell(*player, "long.wav", true, [&] { ++bells; });
  EXPECT_EQ(bells, 3);
  EXPECT_LT(SecondsSince(start), 1.0);
  EXPECT_FALSE(player->playing());
}

}  // namespace
}  // namespace bdvx
