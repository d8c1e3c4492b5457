// The four castling rights: the permission a king move is tested with, and
// the rights a move takes away for the rest of the game.
#pragma once

#include "core/game_state.h"

namespace bdvx {

// The four castling rights, in the game's names.
struct CastlingRights {
  int BlackQueenSideOK = 0;
  int WhiteQueenSideOK = 0;
  int BlackKingSideOK = 0;
  int WhiteKingSideOK = 0;
};

// The right of the king's side for the wing of toCol (queen side for columns
// up to 5, king side beyond); 0 while any check stands against the mover.
int CastlePermission(const GameState& g, PieceCode king, int toCol);

// The castle flags the computer's move choice takes for side: its two
// rights, and none while a check stands against it.
struct CastleFlags {
  int queenSideOK = 0;
  int kingSideOK = 0;
};
CastleFlags ComputerCastleFlags(const GameState& g, int side);

// A king's move clears both rights of its side; a rook leaving its starting
// corner, or a piece landing there (taking the rook that held the right),
// clears that corner's right. Rights are never given back.
void ClearCastlingRights(CastlingRights& rights, PieceCode piece, int fromRow, int fromCol,
                         int toRow, int toCol);
void ClearCastlingRights(GameState& g, PieceCode piece, int fromRow, int fromCol, int toRow,
                         int toCol);

// Each right set when its king and rook stand on their home squares: the
// rights of a board set up by hand.
void SetCastlingRightsFromBoard(GameState& g);

}  // namespace bdvx
