// The voice folder generator: every cue in every voiced folder as a small
// WAV file that the mixer loads, no cue at all in NON.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_support.h"

namespace bdvx {
namespace {

namespace fs = std::filesystem;

const std::string kScript = std::string(BRANDOVEX_SOURCE_DIR) + "/tools/make-voices.sh";

constexpr std::array<const char*, 14> kCues = {"splash", "RESIGN",  "about", "goodbye", "awesome",
                                               "check",  "CAPTURE", "PAWN",  "KNIGHT",  "BISHOP",
                                               "ROOK",   "QUEEN",   "KING",  "applause"};

constexpr std::array<const char*, 6> kVoicedFolders = {"ENG", "ENR", "ENW", "SPA", "SPW", "SFX"};

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// The mixer on SDL's dummy driver, for loading the files as the game does.
class Mixer {
 public:
  Mixer() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    open_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
            Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
  }
  ~Mixer() {
    if (open_) Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_Quit();
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

TEST(VoiceFolders, EveryCueOfEveryFolderIsASmallLoadableWav) {
  test::TempWorkDir dir;
  ASSERT_EQ(std::system((kScript + " wav >script.log 2>&1").c_str()), 0)
      << test::ReadFile("script.log");
  EXPECT_TRUE(fs::exists("wav/.complete"));
  EXPECT_TRUE(fs::is_directory("wav/NON"));
  EXPECT_TRUE(fs::is_empty("wav/NON"));

  Mixer mixer;
  ASSERT_TRUE(mixer.open());
  for (const char* folder : kVoicedFolders) {
    for (const char* cue : kCues) {
      const std::string path = std::string("wav/") + folder + "/" + cue + ".wav";
      SCOPED_TRACE(path);
      ASSERT_TRUE(fs::is_regular_file(path));
      const std::string bytes = test::ReadFile(path);
      ASSERT_GT(bytes.size(), 44u);
      EXPECT_EQ(bytes.substr(0, 4), "RIFF");
      EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
      EXPECT_EQ(LittleEndian(bytes, 22, 2), 1u);      // mono
      EXPECT_EQ(LittleEndian(bytes, 24, 4), 22050u);  // samples per second
      EXPECT_EQ(LittleEndian(bytes, 34, 2), 16u);     // bits per sample
      EXPECT_LT(bytes.size(), 300000u);
      Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
      EXPECT_NE(chunk, nullptr);
      if (chunk != nullptr) Mix_FreeChunk(chunk);
    }
  }
  // Applause is the same sound whatever the voice.
  EXPECT_EQ(test::ReadFile("wav/ENG/applause.wav"), test::ReadFile("wav/SPW/applause.wav"));
  EXPECT_NE(test::ReadFile("wav/ENG/check.wav"), test::ReadFile("wav/SPA/check.wav"));

  // A second run rebuilds the same set and ends complete again.
  fs::remove("wav/.complete");
  ASSERT_EQ(std::system((kScript + " wav >script.log 2>&1").c_str()), 0)
      << test::ReadFile("script.log");
  EXPECT_TRUE(fs::exists("wav/.complete"));
  EXPECT_TRUE(fs::is_empty("wav/NON"));
}

TEST(VoiceFolders, MissingToolsFailLoudlyAndLeaveNoMarker) {
  test::TempWorkDir dir;
  // Only the shell can be found: espeak-ng and sox cannot.
  const std::string command = "PATH=/nonexistent /bin/bash " + kScript + " wav >out.log 2>&1";
  EXPECT_NE(std::system(command.c_str()), 0);
  EXPECT_NE(test::ReadFile("out.log").find("espeak-ng"), std::string::npos);
  EXPECT_FALSE(fs::exists("wav/.complete"));
}

}  // namespace
}  // namespace bdvx
