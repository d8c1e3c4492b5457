// A 32-bit FNV-1a hash of chosen moves: one number that changes whenever the
// engine's behaviour does.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/board.h"

namespace bdvx::bench {

class Fingerprint {
 public:
  void add(int value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
      hash_ = (hash_ ^ (bits & 0xffu)) * 16777619u;
      bits >>= 8;
    }
  }
  void add(const MoveRecord& m) {
    add(m.piece);
    add(m.fromRow);
    add(m.fromCol);
    add(m.toRow);
    add(m.toCol);
  }
  // Exact as a double: benchmark counters are doubles.
  double value() const { return static_cast<double>(hash_); }
  std::string hex() const {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(hash_));
    return text;
  }

 private:
  std::uint32_t hash_ = 2166136261u;
};

}  // namespace bdvx::bench
