#include "console/cue_wave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace bdvx {

namespace {

// Format tags of the format chunk.
constexpr std::uint32_t kFormatPcm = 1;
constexpr std::uint32_t kFormatFloat = 3;
constexpr std::uint32_t kFormatALaw = 6;
constexpr std::uint32_t kFormatMuLaw = 7;
constexpr std::uint32_t kFormatExtensible = 0xfffe;  // its sub-format names the samples

constexpr std::uint32_t kMaxChannels = 8;
constexpr std::uint32_t kMinRate = 1000;
constexpr std::uint32_t kMaxRate = 384000;
// "RIFF", its size, "WAVE", a format chunk of 16 bytes, the data chunk's head.
constexpr std::size_t kPlainHeaderBytes = 44;

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

// The whole of the regular file at path when it holds at most kMaxCueBytes.
// A FIFO in its place is not waited for.
std::optional<std::string> ReadSmallFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<std::uintmax_t>(info.st_size) <= kMaxCueBytes) {
    bytes.emplace(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes->size()) {
      const ssize_t count = ::read(fd, bytes->data() + got, bytes->size() - got);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) break;
      got += static_cast<std::size_t>(count);
    }
    bytes->resize(got);  // a file cut short meanwhile is taken as it is
  }
  ::close(fd);
  return bytes;
}

// Whether the mixer plays samples of the format's kind and size.
bool PlayableSamples(std::uint32_t format, std::uint32_t bits) {
  switch (format) {
    case kFormatPcm:
      return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kFormatFloat:
      return bits == 32;
    case kFormatALaw:
    case kFormatMuLaw:
      return bits == 8;
    default:
      return false;
  }
}

struct WaveFormat {
  std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
};

// The cue from the data chunk of length bytes at body, when the format
// plays, tells the truth about itself and the sound is short enough. The
// plain header is written just before the data, over what stood there.
std::optional<CueWave> CueFromData(std::string& bytes, const WaveFormat& f, std::size_t body,
                                   std::uint32_t length) {
  if (!PlayableSamples(f.format, f.bits) || f.channels < 1 || f.channels > kMaxChannels ||
      f.rate < kMinRate || f.rate > kMaxRate) {
    return std::nullopt;
  }
  const std::uint32_t frameBytes = f.channels * (f.bits / 8);
  if (f.blockAlign != frameBytes || f.byteRate != f.rate * frameBytes) return std::nullopt;
  const std::uint32_t dataBytes = length - length % frameBytes;
  CueWave cue;
  cue.seconds = static_cast<double>(dataBytes) / (static_cast<double>(f.rate) * frameBytes);
  if (cue.seconds > kMaxCueSeconds) return std::nullopt;

  // The format chunk (16 bytes at least) stands before the data, so there is
  // room for the header.
  std::size_t at = body - kPlainHeaderBytes;
  const auto text = [&](std::string_view part) {
    bytes.replace(at, part.size(), part);
    at += part.size();
  };
  const auto number = [&](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes[at++] = static_cast<char>((value >> (8 * i)) & 0xff);
  };
  text("RIFF");
  number(static_cast<std::uint32_t>(kPlainHeaderBytes) - 8 + dataBytes, 4);
  text("WAVEfmt ");
  number(16, 4);
  number(f.format, 2);
  number(f.channels, 2);
  number(f.rate, 4);
  number(f.byteRate, 4);
  number(f.blockAlign, 2);
  number(f.bits, 2);
  text("data");
  number(dataBytes, 4);
  bytes.erase(0, body - kPlainHeaderBytes);
  bytes.resize(kPlainHeaderBytes + dataBytes);
  cue.bytes = std::move(bytes);
  return cue;
}

}  // namespace

std::optional<CueWave> ReadCueWave(const std::string& path) {
  std::optional<std::string> file = ReadSmallFile(path);
  if (!file) return std::nullopt;
  std::string& bytes = *file;
  const std::size_t size = bytes.size();
  if (size < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  // The chunks in their order (each padded to an even size): the first
  // format chunk, then the data chunk; any other is passed over.
  std::optional<WaveFormat> format;
  for (std::size_t at = 12; at + 8 <= size;) {
    const std::size_t body = at + 8;
    const std::uint32_t length = Little(bytes, at + 4, 4);
    if (length > size - body) return std::nullopt;  // it claims more than the file holds
    if (bytes.compare(at, 4, "data") == 0) {
      if (!format) return std::nullopt;
      return CueFromData(bytes, *format, body, length);
    }
    if (bytes.compare(at, 4, "fmt ") == 0 && !format) {
      if (length < 16) return std::nullopt;
      WaveFormat& f = format.emplace();
      f.format = Little(bytes, body, 2);
      f.channels = Little(bytes, body + 2, 2);
      f.rate = Little(bytes, body + 4, 4);
      f.byteRate = Little(bytes, body + 8, 4);
      f.blockAlign = Little(bytes, body + 12, 2);
      f.bits = Little(bytes, body + 14, 2);
      if (f.format == kFormatExtensible && length >= 26) f.format = Little(bytes, body + 24, 2);
    }
    at = body + length + (length & 1);
  }
  return std::nullopt;
}

}  // namespace bdvx
