#include "rules/castling_rights.h"

namespace bdvx {

int CastlePermission(const GameState& g, PieceCode king, int toCol) {
  assert(Magnitude(king) == kKing);
  if (g.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
      g.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0) {
    return 0;
  }
  const bool queenSide = toCol <= 5;
  if (king < 0) return queenSide ? g.BlackQueenSideOK : g.BlackKingSideOK;
  return queenSide ? g.WhiteQueenSideOK : g.WhiteKingSideOK;
}

void ClearCastlingRights(GameState& g, PieceCode piece, int fromRow, int fromCol) {
  if (piece == kKing) {
    g.WhiteQueenSideOK = 0;
    g.WhiteKingSideOK = 0;
  } else if (piece == -kKing) {
    g.BlackQueenSideOK = 0;
    g.BlackKingSideOK = 0;
  } else if (piece == kRook && fromRow == 8) {
    if (fromCol == 8) g.WhiteKingSideOK = 0;
    if (fromCol == 1) g.WhiteQueenSideOK = 0;
  } else if (piece == -kRook && fromRow == 1) {
    if (fromCol == 8) g.BlackKingSideOK = 0;
    if (fromCol == 1) g.BlackQueenSideOK = 0;
  }
}

}  // namespace bdvx
