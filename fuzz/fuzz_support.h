// Helpers shared by the fuzz targets: a byte reader that never runs dry, a
// private working directory for the record files, the invariant check that
// stops the fuzzer, and the tables that turn bytes into piece codes.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/board.h"
#include "core/game_state.h"

namespace bdvx::fuzz {

// Stops the run with a crash report when an invariant of the game fails.
#define FUZZ_REQUIRE(condition, what)                                     \
  do {                                                                    \
    if (!(condition)) {                                                   \
      std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", what, __FILE__, \
                   __LINE__);                                             \
      __builtin_trap();                                                   \
    }                                                                     \
  } while (0)

// Reads the fuzzer's bytes from the front; past the end every read gives 0,
// so any input decodes to something.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }
  std::size_t remaining() const { return empty() ? 0 : size_ - pos_; }

  std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }
  // A value in 0 .. n-1.
  int below(int n) { return byte() % n; }
  bool flag() { return (byte() & 1) != 0; }
  // Up to maxLength bytes as a text (the first byte gives the length).
  std::string text(int maxLength) {
    const int length = below(maxLength + 1);
    std::string out;
    for (int i = 0; i < length && !empty(); ++i) out.push_back(static_cast<char>(byte()));
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// The codes a board of the game can hold: the pieces and the empty square.
inline bool IsBoardCode(int code) {
  switch (Magnitude(code)) {
    case 0: case 1: case 3: case 4: case 5: case 9: case 10: return true;
    default: return false;
  }
}

// Half of the byte values give an empty square, the rest one of the twelve
// pieces; so random boards are neither empty nor full.
inline int BoardCodeFromByte(std::uint8_t b) {
  static constexpr int kCodes[16] = {1, -1, 3, -3, 4, -4, 5, -5, 9, -9, 10, -10, 1, -1, 1, -1};
  return b < 128 ? 0 : kCodes[b % 16];
}

// Any code at all, for the routines that are called with codes that name no
// piece (magnitudes 2, 6, 7, 8, beyond 10, and commands such as 99).
inline int AnyCodeFromByte(std::uint8_t b) {
  static constexpr int kOdd[16] = {2, -2, 6, -6, 7, -7, 8, -8, 11, -11, 40, -40, 99, -99, 0, 12};
  return (b & 0x80) != 0 ? kOdd[b % 16] : BoardCodeFromByte(static_cast<std::uint8_t>(b | 0x80));
}

inline bool BoardHoldsOnlyPieces(const Board& board) {
  for (int r = 1; r <= 8; ++r)
    for (int c = 1; c <= 8; ++c)
      if (!IsBoardCode(board(r, c))) return false;
  return true;
}

// The invariants every executed move must keep in a game that started sound.
inline void RequireSoundState(const GameState& g) {
  FUZZ_REQUIRE(BoardHoldsOnlyPieces(g.GameBoard), "board holds a code that names no piece");
  FUZZ_REQUIRE(g.PlayerCaptureCount >= 0 && g.PlayerCaptureCount <= kCaptureSlots,
               "player capture count out of its list");
  FUZZ_REQUIRE(g.ComputerCaptureCount >= 0 && g.ComputerCaptureCount <= kCaptureSlots,
               "computer capture count out of its list");
  FUZZ_REQUIRE(g.HistoryCount >= 0 && g.HistoryCount <= kHistoryRows, "history count out of range");
  for (int k = 1; k <= 2; ++k) {
    if (g.CheckState(k, kCheckPiece) == 0) continue;
    FUZZ_REQUIRE(OnBoard(g.CheckState(k, kCheckFromRow), g.CheckState(k, kCheckFromCol)),
                 "check record names an off-board checker");
    FUZZ_REQUIRE(OnBoard(g.CheckState(k, kCheckKingRow), g.CheckState(k, kCheckKingCol)),
                 "check record names an off-board king");
  }
}

// A private working directory for the whole fuzzing process, emptied before
// every input so that no run sees the files of an earlier one, and removed
// when the process ends normally. Its path lives on the heap so that it
// outlives every static destructor that runs before the removal.
inline void FreshScratchDir() {
  static const std::filesystem::path* const dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bdvx-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    auto* made = new std::filesystem::path(pattern);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
      std::filesystem::remove_all(*dir, ignored);
    });
    return made;
  }();
  std::error_code ec;
  std::filesystem::current_path(*dir, ec);
  for (const auto& entry : std::filesystem::directory_iterator(*dir, ec))
    std::filesystem::remove_all(entry.path(), ec);
}

}  // namespace bdvx::fuzz
