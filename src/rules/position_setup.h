// A position from outside the game (a FEN line, a PGN set-up) judged and
// put on the game: could a game have reached it, and the rules' memories
// that describe it.
#pragma once

#include <string>

#include "core/game_state.h"
#include "core/position.h"

namespace bdvx {

// What keeps a game from ever reaching the position, or "" when nothing
// does: not exactly one king a side, a pawn on the first or last rank, the
// side not to move in check.
std::string PositionProblem(const Position& position);

// Records in CheckState the checks that stand against the king of side on
// GameBoard (none without such a king): the first checker found in row 1,
// a second in row 2.
void RecordChecksAgainst(GameState& g, int side);

// Puts the position's board, castling rights and en-passant target on the
// game, with the checks standing against the side to move. The sides, the
// turn and the move count are SetTurn's.
void PlacePosition(GameState& g, const Position& position);

// Whose turn it is, as the turn loop reads it: the computer plays
// computerSide and sideToMove moves next. MoveNumber counts the computer's
// turns, so the chess move number fullmoveNumber shows one lower while the
// computer has White's move of it still to make.
void SetTurn(GameState& g, int sideToMove, int computerSide, int fullmoveNumber);

// The chess move number of the game's turn, sideToMove to move: SetTurn's
// reading of MoveNumber undone.
int ChessMoveNumber(const GameState& g, int sideToMove);

}  // namespace bdvx
