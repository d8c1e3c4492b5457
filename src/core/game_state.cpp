#include "core/game_state.h"

namespace bdvx {

int HintLimitOfLevel(int level) { return level > 8 ? 9999 : 4 * level + 2; }

void InitProgramTables(GameState& g) {
  const char* names[] = {"QR", "QN", "QB", " Q", " K", "KB", "KN", "KR"};
  for (int c = 1; c <= 8; ++c) g.FileName[c] = names[c - 1];

  // Row 8 first, then rows 3 to 6 cleared and row 7 filled, then Black's rows
  // as the negatives of White's.
  const int backRow[] = {kRook, kKnight, kBishop, kQueen, kKing, kBishop, kKnight, kRook};
  for (int c = 1; c <= 8; ++c) g.InitialBoard(8, c) = backRow[c - 1];
  for (int c = 1; c <= 8; ++c) {
    for (int r = 3; r <= 6; ++r) g.InitialBoard(r, c) = kEmpty;
    g.InitialBoard(7, c) = kPawn;
  }
  for (int c = 1; c <= 8; ++c) {
    g.InitialBoard(2, c) = -g.InitialBoard(7, c);
    g.InitialBoard(1, c) = -g.InitialBoard(8, c);
  }
  g.Voice = "ENG";
}

void SetMoveFields(GameState& g, const MoveRecord& move) {
  g.MovePiece = move.piece;
  g.FromRow = move.fromRow;
  g.FromCol = move.fromCol;
  g.ToRow = move.toRow;
  g.ToCol = move.toCol;
}

std::string DescriptiveSquare(const GameState& g, PieceCode piece, int row, int col) {
  const int rank = piece > 0 ? 9 - row : row;
  return g.FileName[col] + std::to_string(rank);
}

}  // namespace bdvx
