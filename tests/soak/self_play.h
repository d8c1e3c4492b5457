// Whole games of the computer against itself, played through the game's own
// stages: the start with its picks, CREATE for a random position, TurnTop for
// the computer's turns, the player's entries as move texts through the entry
// interpreter and the move validation, MoveExecution for every move, and
// EndGame at the end.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace bdvx::soak {

// How a game came to its end.
enum class Ending {
  ComputerResigned,  // the computer found no move
  PlayerResigned,    // the engine found no move for the player's side
  Checkmate,
  KingTaken,         // a move onto the king's square ends the game
  Draw,              // the repetition draw
  Cap,               // the half-move cap was reached
  MoveRefused,       // the player's move (the engine's choice) was refused
  MoveCanceled,      // an executed move was cancelled or refused
};

struct GameSetup {
  std::uint32_t seed = 1;
  int level = 0;
  int computerSide = -1;
  // Eight typed rows for CREATE, or the starting position.
  std::optional<std::array<std::string, 8>> customRows;
  // Captures made before CREATE, which keeps the capture lists of the game
  // in progress: so a crowded board can fill a list to its 15 slots.
  int priorCaptures = 0;
  int halfMoveCap = 300;
};

struct GameReport {
  Ending ending = Ending::Cap;
  int halfMoves = 0;
  std::string failure;  // the first broken invariant, empty when none
};

// Plays one game in the current working directory (EndGame writes the
// scorecard and the transcript there).
GameReport PlayGame(const GameSetup& setup);

// A random legal position as CREATE rows: both kings, a random subset of the
// other pieces (now and then more than a normal set), no pawn on rows 1 and
// 8, and the side that moved last (computerSide) not left in check.
std::array<std::string, 8> RandomCustomRows(std::mt19937& rng, int computerSide);

// A random setup for game number `game` of a run seeded with `base`.
GameSetup RandomSetup(std::uint32_t base, int game, bool custom, int maxLevel,
                      int halfMoveCap);

const char* EndingName(Ending ending);

}  // namespace bdvx::soak
