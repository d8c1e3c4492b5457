// Every legal move of a position, fast enough to count whole move trees
// (perft): the same judgement as the game's validation and execution of a
// player's move, made on a board kept for the purpose (a 10 x 12 mailbox
// with a border, fixed arrays, moves made and taken back, no allocation).
//
// The judgement, as the game makes it: a piece moves by its rule onto an
// empty square or an enemy piece; a pawn jumps two squares from its home row
// over an empty square, takes diagonally forward, or en passant onto the
// square PawnJump remembers when that is an enemy pawn's; a king on column
// 5 of row 1 or 8 castles two columns toward the corner with the right of
// its colour for that wing, while no check stands against it, over empty
// squares, its landing square empty, the row's own rook in the corner (a
// Black rook on row 1, a White one on row 8), and neither its square nor the
// rook's new square attacked once it has moved. Every move stands
// unless the mover's king (the first one in row-major order) is then
// attacked, except a move that takes a king: it always stands, since it ends
// the game. A promotion is listed once per piece, queen, rook, bishop,
// knight.
#pragma once

#include <array>
#include <cstdint>

#include "core/board.h"
#include "rules/castling_rights.h"

namespace bdvx {

// What a listed move does beyond carrying its piece.
enum class MoveKind : std::uint8_t {
  Ordinary,
  PawnJump,     // two squares from the home row
  EnPassant,    // takes the pawn beside the remembered square
  Castling,     // the king's two-column jump; the rook jumps over it
  KingCapture,  // takes a king: the game ends
};

struct FastMove {
  std::int8_t from = 0;       // mailbox squares, see SquareOf
  std::int8_t to = 0;
  std::int8_t promotion = 0;  // kKnight..kQueen for a promoting pawn, else 0
  MoveKind kind = MoveKind::Ordinary;
};

// Room for the most moves any position can have (218), and a few more.
struct FastMoveList {
  static constexpr int kCapacity = 256;
  std::array<FastMove, kCapacity> moves;
  int count = 0;
};

// The mailbox square of (row, col), 21 for (1, 1) to 98 for (8, 8), and back.
constexpr int SquareOf(int row, int col) { return (row + 1) * 10 + col; }
constexpr int RowOfSquare(int square) { return square / 10 - 1; }
constexpr int ColOfSquare(int square) { return square % 10; }

class RulesBoard {
 public:
  // The position as the game holds it: the board, the side to move, the
  // castling rights, PawnJump, and whether CheckState records a check
  // against the side to move (it forbids castling). After a move made here
  // that record is the one the game would make: whether the king is attacked.
  RulesBoard(const Board& board, int sideToMove, const CastlingRights& rights,
             const PawnJumpRecord& pawnJump, bool checkInForce);

  // Every legal move of the side to move, in no particular order.
  void listMoves(FastMoveList& list);

  // What a made move needs to be taken back.
  struct Undo {
    int taken = 0;  // the piece taken, or the piece under the en-passant victim square
    PawnJumpRecord pawnJump;
    CastlingRights rights;
    int checkInForce = 0;
  };
  // Makes a listed move (a promotion becomes its piece) and gives the turn
  // to the other side; TakeBack with the same move and record undoes it.
  Undo make(const FastMove& move);
  void takeBack(const FastMove& move, const Undo& undo);

  int sideToMove() const { return side_; }
  int at(int square) const { return cells_[static_cast<std::size_t>(square)]; }

 private:
  static constexpr int kFromBoard = -1;  // checkInForce_: the king is attacked

  bool attacked(int square, int enemy) const;
  int kingSquare(int side) const;
  bool kingSafe(int side) const;
  bool standsAfter(const FastMove& move);
  void addCastlings(int king, FastMoveList& list);
  void put(int square, int code);
  void moveRook(int row, int fromCol, int toCol);

  std::array<int, 120> cells_{};
  int side_ = kWhite;
  CastlingRights rights_{};
  PawnJumpRecord pawnJump_{};
  int checkInForce_ = 0;                   // 0, 1, or kFromBoard
  std::array<int, 2> kingCount_{};         // [0] White, [1] Black
  std::array<int, 2> kingAt_{};            // the square of a side's only king
};

// The game's listing order: by from-square in row-major order, then by
// destination, a promotion's pieces as queen, rook, bishop, knight.
void SortInListingOrder(FastMoveList& list);

// The number of leaf positions of the legal-move tree depth half-moves deep
// (perft); depth 0 counts the position itself.
std::uint64_t Perft(RulesBoard& board, int depth);

}  // namespace bdvx
