// A position as chess notation gives it (a FEN line, a PGN set-up): the
// board, the side to move and the memories the rules keep between moves.
#pragma once

#include "core/board.h"

namespace bdvx {

struct Position {
  Board board{};
  int sideToMove = kWhite;
  // The castling rights, as the game names them.
  int BlackQueenSideOK = 0;
  int WhiteQueenSideOK = 0;
  int BlackKingSideOK = 0;
  int WhiteKingSideOK = 0;
  // The pawn that has just advanced two squares (code 0: none).
  PawnJumpRecord pawnJump{};
  int halfmoveClock = 0;
  int fullmoveNumber = 1;  // the chess move number, 1 at the start
};

// Files a to h are columns 1 to 8; ranks 1 to 8 are rows 8 to 1.
constexpr int RowOfRank(int rank) { return 9 - rank; }
constexpr int RankOfRow(int row) { return 9 - row; }

}  // namespace bdvx
