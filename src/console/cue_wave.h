// A cue's WAV file, read whole and checked before anything decodes it. A cue
// is a short spoken word: only an honest RIFF WAVE file of a format the
// mixer plays, at most 8 MB and 15 seconds long, is handed on; anything else
// (another sound format, a header that lies, a sound too long) is never
// decoded, and the bell stands in for it. So no file in a voice folder can
// fill the memory or hold the game up for long.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bdvx {

constexpr std::uintmax_t kMaxCueBytes = 8u * 1024u * 1024u;
constexpr double kMaxCueSeconds = 15.0;

struct CueWave {
  // A RIFF WAVE file in its plainest form: a 16-byte format chunk, then the
  // file's sound data, whole frames only. This, not the file, is what the
  // mixer decodes.
  std::string bytes;
  // The playing time, from the data's size and the format's sample rate,
  // channels and sample size.
  double seconds = 0;
};

// Reads the regular file at path when it is a RIFF WAVE file of at most
// kMaxCueBytes whose format chunk comes before its data chunk and describes
// sound the mixer plays: integer samples of 8, 16, 24 or 32 bits, float
// samples of 32 bits or 8-bit A-law or mu-law, 1 to 8 channels, 1000 to
// 384000 samples a second, with the block size and byte rate those make.
// Every chunk up to the data must lie within the file, and the sound must
// last at most kMaxCueSeconds. Nothing when any of this fails.
std::optional<CueWave> ReadCueWave(const std::string& path);

}  // namespace bdvx
