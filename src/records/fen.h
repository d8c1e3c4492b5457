// Forsyth-Edwards Notation: a position as one line of text, the form in
// which chess programs hand each other a position. Reader beside writer.
#pragma once

#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/position.h"

namespace bdvx {

// Reads a FEN line: placement, side, castling, en-passant square, and the
// halfmove clock and move number (both optional, 0 and 1 when left out).
// Only the form is checked here, plus what the form alone can contradict: a
// castling right without its king and rook at home is dropped (as chess
// programs do), an en-passant square needs the pawn that just passed over
// it. Whether a game can reach the position is the rules' question
// (PositionProblem). On failure returns false and error says what is wrong.
bool ParseFen(std::string_view text, Position& position, std::string& error);

// The FEN of the position on GameBoard with sideToMove (its sign) to move:
// the pieces, the side, the castling rights the game still holds for a king
// and rook on their home squares, the en-passant square PawnJump remembers,
// halfmove clock 0 and the given chess move number.
std::string FenOf(const GameState& g, int sideToMove, int fullmoveNumber = 1);

}  // namespace bdvx
