#include "rules/castling_rights.h"

namespace bdvx {

int CastlePermission(const GameState& g, PieceCode king, int toCol) {
  assert(Magnitude(king) == kKing);
  if (CheckStands(g.CheckState)) return 0;
  const bool queenSide = toCol <= 5;
  if (king < 0) return queenSide ? g.BlackQueenSideOK : g.BlackKingSideOK;
  return queenSide ? g.WhiteQueenSideOK : g.WhiteKingSideOK;
}

CastleFlags ComputerCastleFlags(const GameState& g, int side) {
  if (CheckStands(g.CheckState)) return {};
  const bool white = side == kWhite;
  return {white ? g.WhiteQueenSideOK : g.BlackQueenSideOK,
          white ? g.WhiteKingSideOK : g.BlackKingSideOK};
}

namespace {

// The right that belongs to a rook's home corner, or nothing.
int* CornerRight(CastlingRights& rights, int row, int col) {
  if (row == 8 && col == 8) return &rights.WhiteKingSideOK;
  if (row == 8 && col == 1) return &rights.WhiteQueenSideOK;
  if (row == 1 && col == 8) return &rights.BlackKingSideOK;
  if (row == 1 && col == 1) return &rights.BlackQueenSideOK;
  return nullptr;
}

}  // namespace

void SetCastlingRightsFromBoard(GameState& g) {
  const bool whiteKingHome = g.GameBoard(8, 5) == kKing;
  const bool blackKingHome = g.GameBoard(1, 5) == -kKing;
  g.WhiteKingSideOK = whiteKingHome && g.GameBoard(8, 8) == kRook ? 1 : 0;
  g.WhiteQueenSideOK = whiteKingHome && g.GameBoard(8, 1) == kRook ? 1 : 0;
  g.BlackKingSideOK = blackKingHome && g.GameBoard(1, 8) == -kRook ? 1 : 0;
  g.BlackQueenSideOK = blackKingHome && g.GameBoard(1, 1) == -kRook ? 1 : 0;
}

void ClearCastlingRights(CastlingRights& rights, PieceCode piece, int fromRow, int fromCol,
                         int toRow, int toCol) {
  if (int* right = CornerRight(rights, toRow, toCol)) *right = 0;
  if (piece == kKing) {
    rights.WhiteQueenSideOK = 0;
    rights.WhiteKingSideOK = 0;
  } else if (piece == -kKing) {
    rights.BlackQueenSideOK = 0;
    rights.BlackKingSideOK = 0;
  } else if (piece == kRook && fromRow == 8) {
    if (fromCol == 8) rights.WhiteKingSideOK = 0;
    if (fromCol == 1) rights.WhiteQueenSideOK = 0;
  } else if (piece == -kRook && fromRow == 1) {
    if (fromCol == 8) rights.BlackKingSideOK = 0;
    if (fromCol == 1) rights.BlackQueenSideOK = 0;
  }
}

void ClearCastlingRights(GameState& g, PieceCode piece, int fromRow, int fromCol, int toRow,
                         int toCol) {
  CastlingRights rights{g.BlackQueenSideOK, g.WhiteQueenSideOK, g.BlackKingSideOK,
                        g.WhiteKingSideOK};
  ClearCastlingRights(rights, piece, fromRow, fromCol, toRow, toCol);
  g.BlackQueenSideOK = rights.BlackQueenSideOK;
  g.WhiteQueenSideOK = rights.WhiteQueenSideOK;
  g.BlackKingSideOK = rights.BlackKingSideOK;
  g.WhiteKingSideOK = rights.WhiteKingSideOK;
}

}  // namespace bdvx
