// Where the game's random numbers come from: the console's generator in play,
// a seeded or scripted one in tests. The computer player draws its tie-breaks
// from it without knowing anything else of the console.
#pragma once

namespace bdvx {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniformly distributed number r with 0 <= r < 1.
  virtual double random() = 0;
};

}  // namespace bdvx
