#include "rules/history.h"

namespace bdvx {

void RecordHistory(GameState& g, const std::string& pieceName) {
  if (g.HistoryCount < kHistoryRows) g.HistoryCount += 1;
  const int n = g.HistoryCount;
  g.HistPiece(n, kDescriptive) = g.Code2;
  g.HistPiece(n, kRowCol) = pieceName;
  g.HistFrom(n, kDescriptive) = DescriptiveSquare(g, g.MovePiece, g.FromRow, g.FromCol);
  g.HistFrom(n, kRowCol) = std::to_string(g.FromRow) + std::to_string(g.FromCol);
  g.HistTo(n, kDescriptive) = DescriptiveSquare(g, g.MovePiece, g.ToRow, g.ToCol);
  g.HistTo(n, kRowCol) = std::to_string(g.ToRow) + std::to_string(g.ToCol);
}

HistoryMark MarkHistory(const GameState& g) {
  HistoryMark mark;
  mark.count = g.HistoryCount;
  mark.row = g.HistoryCount < kHistoryRows ? g.HistoryCount + 1 : kHistoryRows;
  for (int column : {kDescriptive, kRowCol}) {
    mark.piece[column - 1] = g.HistPiece(mark.row, column);
    mark.from[column - 1] = g.HistFrom(mark.row, column);
    mark.to[column - 1] = g.HistTo(mark.row, column);
  }
  return mark;
}

void RestoreHistory(GameState& g, const HistoryMark& mark) {
  g.HistoryCount = mark.count;
  for (int column : {kDescriptive, kRowCol}) {
    g.HistPiece(mark.row, column) = mark.piece[column - 1];
    g.HistFrom(mark.row, column) = mark.from[column - 1];
    g.HistTo(mark.row, column) = mark.to[column - 1];
  }
}

bool RepeatedMoves(const GameState& g) {
  const int n = g.HistoryCount;
  if (n <= 5) return false;
  auto piece = [&g](int k) -> const std::string& { return g.HistPiece(k, kDescriptive); };
  auto from = [&g](int k) -> const std::string& { return g.HistFrom(k, kDescriptive); };
  auto to = [&g](int k) -> const std::string& { return g.HistTo(k, kDescriptive); };
  // The squares of rows n-2 and n-3 are not compared.
  return piece(n) == piece(n - 2) && piece(n) == piece(n - 4) &&
         piece(n - 1) == piece(n - 3) && piece(n - 1) == piece(n - 5) &&
         from(n) == from(n - 4) && from(n - 1) == from(n - 5) &&
         to(n) == to(n - 4) && to(n - 1) == to(n - 5);
}

}  // namespace bdvx
