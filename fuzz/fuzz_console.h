// The virtual console of the fuzz targets, which also checks what the game
// asks of the screen (every cursor place on the 80x24 screen, colours of
// the 16-colour palette) and, each time the game waits for input, the
// invariants of the game it runs.
#pragma once

#include <cstdint>

#include "console/virtual_console.h"
#include "fuzz_support.h"

namespace bdvx::fuzz {

class FuzzConsole : public VirtualConsole {
 public:
  explicit FuzzConsole(std::uint32_t seed = 1) : VirtualConsole(seed) {}

  // The game whose state is checked at every prompt; none by default.
  void watch(const GameState* game) { game_ = game; }

  void locate(int row, int column) override {
    FUZZ_REQUIRE(row >= 1 && row <= kScreenRows && column >= 1 && column <= kScreenCols,
                 "the cursor was sent off the screen");
    VirtualConsole::locate(row, column);
  }
  void setColor(int foreground, int background) override {
    FUZZ_REQUIRE(foreground >= 0 && foreground <= 15 && background >= 0 && background <= 15,
                 "a colour outside the palette");
    VirtualConsole::setColor(foreground, background);
  }
  std::string inputLine() override {
    if (game_ != nullptr) RequireSoundState(*game_);
    return VirtualConsole::inputLine();
  }
  Entry waitEntry(bool acceptLines) override {
    if (game_ != nullptr) RequireSoundState(*game_);
    return VirtualConsole::waitEntry(acceptLines);
  }

 private:
  const GameState* game_ = nullptr;
};

}  // namespace bdvx::fuzz
