// brandovex-uci: the computer player behind the protocol that chess programs
// speak to their engines. One command line in, its answer lines out; the
// position is the one the game would hold after the moves it is given.
#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/random_source.h"

namespace bdvx::uci {

constexpr int kDefaultLevel = 3;
constexpr int kMaxLevel = 9;
constexpr std::uint32_t kDefaultSeed = 1;
constexpr std::uint32_t kMaxSeed = 2147483647;

// The tie-break draws: a seeded generator, so that a game can be replayed.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : generator_(seed) {}
  void reseed(std::uint32_t seed) { generator_.seed(seed); }
  double random() override { return static_cast<double>(generator_()) / 4294967296.0; }

 private:
  std::mt19937 generator_;
};

// The game as it stands between moves: the rules' memories on g, whose turn
// it is and the chess move number.
struct Standing {
  GameState g;
  int sideToMove = kWhite;
  int fullmoveNumber = 1;
};

// What the computer makes of a position: its move (piece 0 when it has no
// legal move), the reply it expects, the score, and whether the game's
// computer would have resigned (the move is then its best-scored one).
struct Choice {
  MoveRecord move{};
  MoveRecord hint{};
  int score = 0;
  bool mates = false;
  bool resigns = false;
};

// The game's computer player at level on the position (the castling flags,
// the check in force and the move number as the game's turn loop hands them).
Choice ChooseFor(const Standing& position, int level, RandomSource& random);

// A move in the protocol's coordinate form ("e2e4", "e7e8q"); a pawn that
// reaches its far row becomes a queen.
std::string CoordinateOf(const MoveRecord& move);

class Engine {
 public:
  Engine();
  // Handles one command line, writing its answer (if any) to out.
  void handle(std::string_view line, std::ostream& out);
  bool quitting() const { return quit_; }

 private:
  void setOption(const std::vector<std::string>& words, std::size_t at, std::ostream& out);
  void setPosition(const std::vector<std::string>& words, std::size_t at, std::ostream& out);
  void go(const std::vector<std::string>& words, std::size_t at, std::ostream& out);
  bool playMoves(Standing& standing, const std::vector<std::string>& moves, std::size_t from,
                 std::ostream& out);

  int level_ = kDefaultLevel;
  std::uint32_t seed_ = kDefaultSeed;
  SeededRandom random_{kDefaultSeed};
  // The last good position, with the command that set it: a position that
  // only adds moves to it is reached by playing those moves alone.
  Standing standing_;
  std::string base_;
  std::vector<std::string> moves_;
  std::string pendingMove_;  // held by go infinite / go ponder until stop
  bool quit_ = false;
};

}  // namespace bdvx::uci
