// The SDL_mixer sound player: one mixing channel, so a new cue always stops
// the one before; SDL's audio starts lazily at the first cue.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cassert>
#include <chrono>
#include <optional>
#include <thread>

#include "console/cue_wave.h"
#include "console/sound_player.h"

namespace bdvx {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kChannel = 0;
constexpr int kWaitStepMs = 20;
// Never wait longer than this beyond a cue's own length, whatever the device.
constexpr auto kWaitSlack = std::chrono::seconds(2);

// Set by the mixer (from its audio thread, or inside Mix_HaltChannel) when the
// channel's cue has ended or been stopped.
std::atomic<bool> gChannelFinished{true};
std::atomic<bool> gPlayerExists{false};

void OnChannelFinished(int /*channel*/) { gChannelFinished = true; }

void DiscardSdlLog(void*, int, SDL_LogPriority, const char*) {}

// Sends this process's stderr to /dev/null for its lifetime, so that the
// audio libraries' complaints about a missing device do not land on the
// game's screen.
class QuietStderr {
 public:
  QuietStderr() {
    saved_ = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

class SdlSoundPlayer : public SoundPlayer {
 public:
  SdlSoundPlayer() {
    [[maybe_unused]] const bool other = gPlayerExists.exchange(true);
    assert(!other && "one sound player at a time");
    pause_ = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  }
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

  bool play(const std::string& path, bool wait) override;
  bool playing() const override { return chunk_ != nullptr && !gChannelFinished; }
  void setPause(Pause pause) override { pause_ = std::move(pause); }

 private:
  enum class Device { Untried, Open, Failed };

  bool openDevice();
  void stop();
  void waitForEnd();
  Clock::duration lengthOf(const Mix_Chunk& chunk) const;

  Device device_ = Device::Untried;
  Mix_Chunk* chunk_ = nullptr;
  Clock::time_point ends_{};
  Pause pause_;
};

// Starts SDL's audio and opens the device once; remembers a failure.
bool SdlSoundPlayer::openDevice() {
  if (device_ != Device::Untried) return device_ == Device::Open;
  device_ = Device::Failed;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_LogSetOutputFunction(DiscardSdlLog, nullptr);
  QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  Mix_ChannelFinished(OnChannelFinished);
  device_ = Device::Open;
  return true;
}

// The playing time of a chunk in the mixer's output format.
Clock::duration SdlSoundPlayer::lengthOf(const Mix_Chunk& chunk) const {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) == 0) return {};
  const double bytesPerSecond =
      static_cast<double>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
  if (bytesPerSecond <= 0) return {};
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(chunk.alen / bytesPerSecond));
}

// Halts the channel and frees its chunk.
void SdlSoundPlayer::stop() {
  if (chunk_ == nullptr) return;
  Mix_HaltChannel(kChannel);
  Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
}

// Returns once the mixer has finished the cue and its full length has passed
// (the mixer is done a buffer ahead of the loudspeaker).
void SdlSoundPlayer::waitForEnd() {
  const Clock::time_point giveUp = ends_ + kWaitSlack;
  for (;;) {
    const Clock::time_point now = Clock::now();
    if ((gChannelFinished && now >= ends_) || now >= giveUp) return;
    auto step = std::chrono::milliseconds(kWaitStepMs);
    if (now < ends_)
      step = std::min(step, std::chrono::ceil<std::chrono::milliseconds>(ends_ - now));
    pause_(static_cast<int>(std::max<long long>(1, step.count())));
  }
}

bool SdlSoundPlayer::play(const std::string& path, bool wait) {
  std::optional<CueWave> wave = ReadCueWave(path);
  if (!wave) return false;
  if (!openDevice()) return false;
  stop();
  // The mixer decodes the checked copy in memory, never the file, which
  // may have changed meanwhile.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(
      SDL_RWFromConstMem(wave->bytes.data(), static_cast<int>(wave->bytes.size())), 1);
  wave.reset();
  if (chunk == nullptr) return false;
  gChannelFinished = false;
  if (Mix_PlayChannel(kChannel, chunk, 0) < 0) {
    gChannelFinished = true;
    Mix_FreeChunk(chunk);
    return false;
  }
  chunk_ = chunk;
  ends_ = Clock::now() + lengthOf(*chunk);
  if (wait) {
    waitForEnd();
    stop();
  }
  return true;
}

SdlSoundPlayer::~SdlSoundPlayer() {
  if (device_ == Device::Open) {
    stop();
    Mix_ChannelFinished(nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
  }
  gPlayerExists = false;
}

}  // namespace

std::unique_ptr<SoundPlayer> MakeSdlSoundPlayer() { return std::make_unique<SdlSoundPlayer>(); }

void PlayCueOrBell(SoundPlayer& player, const std::string& path, bool wait,
                   const std::function<void()>& bell) {
  if (!player.play(path, wait)) bell();
}

}  // namespace bdvx
