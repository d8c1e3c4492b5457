// A game begun elsewhere and taken up here: the last game of a PGN file, or
// a position in FEN. It is read and checked before the terminal is touched,
// and played onto the game once the player has picked colour and level.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/position.h"
#include "rules/legal_moves.h"

namespace bdvx {

struct GameStart {
  Position position;             // where its moves start
  bool standardStart = true;     // the standard position: its PGN needs no FEN
  std::vector<LegalMove> moves;  // its moves, each legal in its turn
};

// The last game of the PGN file fileName, from the standard position or its
// FEN tag, every move legal for the side to move and none ending the game.
// On failure false, and error is the line that says why: the file's name,
// then that it cannot be read, is not PGN or holds no game, or the move the
// rules refuse by its number and SAN, or what is wrong with its FEN.
bool ReadPgnGameStart(const std::string& fileName, GameStart& start, std::string& error);

// The same for the text of a PGN file; problem says why without the name.
bool PgnTextGameStart(std::string_view text, GameStart& start, std::string& problem);

// A position in FEN that a game can reach; on failure false, and error
// starts with "--fen: " and says what is wrong.
bool ReadFenGameStart(std::string_view fen, GameStart& start, std::string& error);

// After the picks: the start's position on the game as a custom board is
// (no captures, no history), its moves played through the game's own move
// execution, and the turn to the side to move. Its PGN holds the start and
// every move.
void PlayGameStart(GameState& g, const GameStart& start);

}  // namespace bdvx
