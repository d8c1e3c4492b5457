// The vocabulary every part of the game shares: piece codes, the 8x8 board,
// 1-based fixed grids and lists, move records and the check and pawn-jump
// memories.
#pragma once

#include <array>
#include <cassert>
#include <string>

namespace bdvx {

// A piece code: 0 empty, positive White, negative Black; the magnitude is the
// kind and also the piece's value in points.
using PieceCode = int;
constexpr PieceCode kEmpty = 0;
constexpr PieceCode kPawn = 1;
constexpr PieceCode kKnight = 3;
constexpr PieceCode kBishop = 4;
constexpr PieceCode kRook = 5;
constexpr PieceCode kQueen = 9;
constexpr PieceCode kKing = 10;
constexpr PieceCode kNoPiece = 99;  // "names no piece": a command or a bad text

constexpr int kWhite = 1;
constexpr int kBlack = -1;

constexpr int Magnitude(int code) { return code < 0 ? -code : code; }
// Whether a code names one of the six pieces (magnitudes 2, 6, 7, 8 do not).
constexpr bool NamesPiece(int code) {
  const int m = Magnitude(code);
  return m == kPawn || m == kKnight || m == kBishop || m == kRook || m == kQueen ||
         m == kKing;
}
constexpr bool OnBoard(int row, int col) {
  return row >= 1 && row <= 8 && col >= 1 && col <= 8;
}

// A fixed grid indexed from 1, as the game's tables are declared.
template <typename T, int Rows, int Cols>
class Grid {
 public:
  static constexpr int kRows = Rows;
  static constexpr int kCols = Cols;

  T& operator()(int row, int col) {
    assert(row >= 1 && row <= Rows && col >= 1 && col <= Cols);
    return cells_[(row - 1) * Cols + (col - 1)];
  }
  const T& operator()(int row, int col) const {
    assert(row >= 1 && row <= Rows && col >= 1 && col <= Cols);
    return cells_[(row - 1) * Cols + (col - 1)];
  }
  void fill(const T& value) { cells_.fill(value); }
  bool operator==(const Grid&) const = default;

 private:
  std::array<T, Rows * Cols> cells_{};
};

// A fixed list indexed from 1.
template <typename T, int N>
class List {
 public:
  static constexpr int kSize = N;

  T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return items_[i - 1];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return items_[i - 1];
  }
  void fill(const T& value) { items_.fill(value); }
  bool operator==(const List&) const = default;

 private:
  std::array<T, N> items_{};
};

// Rows 1..8, columns 1..8; row 1 is Black's home row, row 8 White's.
using Board = Grid<PieceCode, 8, 8>;

// For every square, White pieces bearing on it minus Black ones.
using ParseArray = Grid<int, 8, 8>;

// The board as two-character texts: "WP", "BK", "::" light empty, "  " dark empty.
using SquareTextGrid = Grid<std::string, 8, 8>;

// The texts of captured pieces in order of capture; "  " marks an empty slot.
constexpr int kCaptureSlots = 15;
using CaptureList = List<std::string, kCaptureSlots>;

// A move: piece code (0 = none), source and destination squares.
struct MoveRecord {
  int piece = 0;
  int fromRow = 0;
  int fromCol = 0;
  int toRow = 0;
  int toCol = 0;
  bool operator==(const MoveRecord&) const = default;
};

// The pawn that has just advanced two squares, and the square it passed over.
struct PawnJumpRecord {
  int code = 0;  // 0: none
  int row = 0;
  int col = 0;
  bool operator==(const PawnJumpRecord&) const = default;
};

// The checks standing against the side to move: row 1 direct, row 2
// discovered. Columns: checking piece (0 none), its square, the king's square.
using CheckTable = Grid<int, 2, 5>;
constexpr int kDirectCheckRow = 1;
constexpr int kDiscoveredCheckRow = 2;
constexpr int kCheckPiece = 1;
constexpr int kCheckFromRow = 2;
constexpr int kCheckFromCol = 3;
constexpr int kCheckKingRow = 4;
constexpr int kCheckKingCol = 5;

// Whether a check stands against the side to move.
inline bool CheckStands(const CheckTable& checkState) {
  return checkState(kDirectCheckRow, kCheckPiece) != 0 ||
         checkState(kDiscoveredCheckRow, kCheckPiece) != 0;
}

}  // namespace bdvx
