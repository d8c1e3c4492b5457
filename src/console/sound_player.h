// WAV playback behind the console's cues: one cue at a time, waited for or
// playing beside the game. A cue that cannot be played is reported to the
// caller, which beeps in its place.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace bdvx {

class SoundPlayer {
 public:
  // Called in small steps while a cue is waited for, with the milliseconds
  // to spend; the console keeps handling its events (resizes) in it.
  using Pause = std::function<void(int milliseconds)>;

  virtual ~SoundPlayer() = default;

  // Stops any cue still playing and starts the WAV file at path; with wait
  // the call returns once the sound has ended. False (at once, without
  // waiting or decoding anything) when the file is missing or unreadable, no
  // RIFF WAVE file of a format the game plays, larger than 8 MB or longer
  // than 15 seconds (cue_wave.h), or there is no sound device.
  virtual bool play(const std::string& path, bool wait) = 0;

  // True while a cue is still sounding.
  virtual bool playing() const = 0;

  // Replaces the plain sleep used while waiting for a cue to end.
  virtual void setPause(Pause pause) = 0;
};

// The player on SDL_mixer. SDL's audio starts at the first cue that can be
// played; when no device can be opened, the failure is remembered and
// every later cue reports false at once.
std::unique_ptr<SoundPlayer> MakeSdlSoundPlayer();

// Plays a cue, or rings the bell when the player cannot play it.
void PlayCueOrBell(SoundPlayer& player, const std::string& path, bool wait,
                   const std::function<void()>& bell);

}  // namespace bdvx
