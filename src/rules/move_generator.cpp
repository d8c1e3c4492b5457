#include "rules/move_generator.h"

#include <algorithm>

#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

constexpr int kOffBoard = 1000;  // the border cells: no code equals it

// Mailbox steps: a row is 10 cells, a column 1.
constexpr int kUp = -10;  // toward row 1, White's pawns' way
constexpr std::array<int, 4> kStraight = {-1, 1, -10, 10};
constexpr std::array<int, 4> kDiagonal = {-11, -9, 9, 11};
constexpr std::array<int, 8> kAround = {-11, -10, -9, -1, 1, 9, 10, 11};
constexpr std::array<int, 8> kKnightJumps = {-21, -19, -12, -8, 8, 12, 19, 21};
constexpr std::array<int, 4> kPromotions = {kQueen, kRook, kBishop, kKnight};

constexpr int Sign(int x) { return (x > 0) - (x < 0); }
constexpr int Abs(int x) { return x < 0 ? -x : x; }
constexpr std::size_t Cell(int square) { return static_cast<std::size_t>(square); }
constexpr std::size_t SideIndex(int side) { return side > 0 ? 0 : 1; }

// The step that leads from one square toward another along a row, a column
// or a diagonal, or 0 when they share none.
int LineStep(int from, int to) {
  const int dr = RowOfSquare(to) - RowOfSquare(from);
  const int dc = ColOfSquare(to) - ColOfSquare(from);
  if (dr != 0 && dc != 0 && Abs(dr) != Abs(dc)) return 0;
  return 10 * Sign(dr) + Sign(dc);
}

bool IsDiagonal(int step) { return Abs(step) == 9 || Abs(step) == 11; }

// The pieces pinned to their king: each may only move along its line.
struct Pins {
  std::array<std::int8_t, 8> square{};
  std::array<std::int8_t, 8> step{};
  int count = 0;
  // The step of the pin holding the piece on square, or 0.
  int of(int at) const {
    for (int i = 0; i < count; ++i) {
      if (square[Cell(i)] == at) return step[Cell(i)];
    }
    return 0;
  }
};

// Gathers a side's moves, keeping those that stand.
class MoveSink {
 public:
  MoveSink(FastMoveList& list, const Pins& pins, int king, bool testEach)
      : list_(list), pins_(pins), king_(king), testEach_(testEach) {}

  // A move of a piece other than the king whose standing the pins decide,
  // unless every move must be tried on the board.
  template <typename Tries>
  void add(int from, int to, MoveKind kind, int promotionRow, Tries tries) {
    bool stands = true;
    if (kind == MoveKind::KingCapture) {
      stands = true;  // the game ends before anything else is judged
    } else if (testEach_ || kind == MoveKind::EnPassant) {
      stands = tries(FastMove{static_cast<std::int8_t>(from), static_cast<std::int8_t>(to), 0,
                              kind});
    } else if (const int step = pins_.of(from); step != 0) {
      stands = LineStep(king_, to) == step;
    }
    if (!stands) return;
    if (RowOfSquare(to) != promotionRow) {
      push(from, to, 0, kind);
      return;
    }
    for (const int piece : kPromotions) push(from, to, piece, kind);
  }

  void push(int from, int to, int promotion, MoveKind kind) {
    assert(list_.count < FastMoveList::kCapacity);
    list_.moves[Cell(list_.count++)] = {static_cast<std::int8_t>(from),
                                        static_cast<std::int8_t>(to),
                                        static_cast<std::int8_t>(promotion), kind};
  }

 private:
  FastMoveList& list_;
  const Pins& pins_;
  int king_;
  bool testEach_;
};

}  // namespace

RulesBoard::RulesBoard(const Board& board, int sideToMove, const CastlingRights& rights,
                       const PawnJumpRecord& pawnJump, bool checkInForce)
    : side_(sideToMove), rights_(rights), pawnJump_(pawnJump), checkInForce_(checkInForce) {
  cells_.fill(kOffBoard);
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      cells_[Cell(SquareOf(row, col))] = kEmpty;
      put(SquareOf(row, col), board(row, col));
    }
  }
}

// Every change of a square goes through here, so that the kings are known.
void RulesBoard::put(int square, int code) {
  int& cell = cells_[Cell(square)];
  if (Magnitude(cell) == kKing) --kingCount_[SideIndex(cell)];
  cell = code;
  if (Magnitude(code) == kKing) {
    ++kingCount_[SideIndex(code)];
    kingAt_[SideIndex(code)] = square;
  }
}

// The castling rook's jump beside its king, or back to its corner.
void RulesBoard::moveRook(int row, int fromCol, int toCol) {
  put(SquareOf(row, toCol), at(SquareOf(row, fromCol)));
  put(SquareOf(row, fromCol), kEmpty);
}

// The king the rules look at: the first in row-major order; 0 without one.
int RulesBoard::kingSquare(int side) const {
  const std::size_t s = SideIndex(side);
  if (kingCount_[s] == 1 && at(kingAt_[s]) == kKing * side) return kingAt_[s];
  for (int square = SquareOf(1, 1); square <= SquareOf(8, 8); ++square) {
    if (at(square) == kKing * side) return square;
  }
  return 0;
}

// Does a piece of side enemy attack the square? As SquareAttacked asks it
// for a king: the enemy king beside it, knights, the first piece on each
// line, pawns taking toward it (en passant not counted).
bool RulesBoard::attacked(int square, int enemy) const {
  for (const int step : kAround) {
    if (at(square + step) == kKing * enemy) return true;
  }
  for (const int jump : kKnightJumps) {
    if (at(square + jump) == kKnight * enemy) return true;
  }
  const auto slider = [&](const std::array<int, 4>& steps, int kind) {
    for (const int step : steps) {
      int to = square + step;
      while (at(to) == kEmpty) to += step;
      const int met = at(to);
      if (met == kQueen * enemy || met == kind * enemy) return true;
    }
    return false;
  };
  if (slider(kStraight, kRook) || slider(kDiagonal, kBishop)) return true;
  const int pawnRow = square + 10 * enemy;
  return at(pawnRow - 1) == kPawn * enemy || at(pawnRow + 1) == kPawn * enemy;
}

bool RulesBoard::kingSafe(int side) const {
  const int king = kingSquare(side);
  return king == 0 || !attacked(king, -side);
}

// Made on the board and taken back: does the mover's king stay safe? A
// castling king must besides not have started from or crossed an attacked
// square.
bool RulesBoard::standsAfter(const FastMove& move) {
  const int mover = side_;
  const Undo undo = make(move);
  bool stands = kingSafe(mover);
  if (stands && move.kind == MoveKind::Castling) {
    const int row = RowOfSquare(move.from);
    const int rookSquare = SquareOf(row, CastlingRookBeside(ColOfSquare(move.to)));
    stands = !attacked(move.from, -mover) && !attacked(rookSquare, -mover);
  }
  takeBack(move, undo);
  return stands;
}

void RulesBoard::addCastlings(int king, FastMoveList& list) {
  const int row = RowOfSquare(king);
  if (ColOfSquare(king) != 5 || (row != 1 && row != 8)) return;
  const int rook = row == 1 ? -kRook : kRook;
  const bool white = at(king) > 0;
  const auto tryCastling = [&](int right, int toCol, std::initializer_list<int> emptyCols) {
    if (right == 0 || at(SquareOf(row, CastlingRookCorner(toCol))) != rook) return;
    for (const int col : emptyCols) {
      if (at(SquareOf(row, col)) != kEmpty) return;
    }
    const FastMove move{static_cast<std::int8_t>(king),
                        static_cast<std::int8_t>(SquareOf(row, toCol)), 0, MoveKind::Castling};
    if (!standsAfter(move)) return;
    assert(list.count < FastMoveList::kCapacity);
    list.moves[Cell(list.count++)] = move;
  };
  tryCastling(white ? rights_.WhiteQueenSideOK : rights_.BlackQueenSideOK, 3, {2, 3, 4});
  tryCastling(white ? rights_.WhiteKingSideOK : rights_.BlackKingSideOK, 7, {6, 7});
}

void RulesBoard::listMoves(FastMoveList& list) {
  list.count = 0;
  const int side = side_;
  const int enemy = -side;
  const int king = kingSquare(side);
  const bool inCheck = king != 0 && attacked(king, enemy);
  const bool castlingForbidden = checkInForce_ == kFromBoard ? inCheck : checkInForce_ != 0;

  // Pins are enough to judge a move only for a side with one king, not in
  // check; otherwise every move is tried on the board.
  Pins pins;
  const bool testEach = inCheck || kingCount_[SideIndex(side)] != 1;
  if (!testEach) {
    for (const int step : kAround) {
      int to = king + step;
      while (at(to) == kEmpty) to += step;
      if (at(to) == kOffBoard || at(to) * side <= 0) continue;
      const int pinned = to;
      to += step;
      while (at(to) == kEmpty) to += step;
      const int slider = IsDiagonal(step) ? kBishop : kRook;
      if (at(to) == kQueen * enemy || at(to) == slider * enemy) {
        pins.square[Cell(pins.count)] = static_cast<std::int8_t>(pinned);
        pins.step[Cell(pins.count++)] = static_cast<std::int8_t>(step);
      }
    }
  }
  MoveSink sink(list, pins, king, testEach);
  const auto tries = [this](const FastMove& move) { return standsAfter(move); };
  const auto kindOfTaking = [&](int to) {
    return Magnitude(at(to)) == kKing && at(to) * side < 0 ? MoveKind::KingCapture
                                                          : MoveKind::Ordinary;
  };
  // A destination the piece may go to: on the board, not its own side's.
  const auto open = [&](int to) { return at(to) != kOffBoard && at(to) * side <= 0; };

  for (int from = SquareOf(1, 1); from <= SquareOf(8, 8); ++from) {
    const int piece = at(from);
    if (piece == kOffBoard || piece * side <= 0) continue;
    switch (Magnitude(piece)) {
      case kPawn: {
        const int ahead = kUp * side;
        const int farRow = side > 0 ? 1 : 8;
        const int homeRow = side > 0 ? 7 : 2;
        if (at(from + ahead) == kEmpty) {
          sink.add(from, from + ahead, MoveKind::Ordinary, farRow, tries);
          if (RowOfSquare(from) == homeRow && at(from + 2 * ahead) == kEmpty) {
            sink.add(from, from + 2 * ahead, MoveKind::PawnJump, 0, tries);
          }
        }
        for (const int to : {from + ahead - 1, from + ahead + 1}) {
          const int target = at(to);
          if (target != kOffBoard && target * side < 0) {
            sink.add(from, to, kindOfTaking(to), farRow, tries);
          } else if (target == kEmpty && pawnJump_.code * side < 0 &&
                     Magnitude(pawnJump_.code) == kPawn &&
                     RowOfSquare(to) == pawnJump_.row && ColOfSquare(to) == pawnJump_.col) {
            sink.add(from, to, MoveKind::EnPassant, farRow, tries);
          }
        }
        break;
      }
      case kKnight:
        for (const int jump : kKnightJumps) {
          if (open(from + jump)) sink.add(from, from + jump, kindOfTaking(from + jump), 0, tries);
        }
        break;
      case kBishop:
      case kRook:
      case kQueen:
        for (const int step : kAround) {
          const bool diagonal = IsDiagonal(step);
          if ((Magnitude(piece) == kBishop && !diagonal) ||
              (Magnitude(piece) == kRook && diagonal)) {
            continue;
          }
          int to = from + step;
          for (; at(to) == kEmpty; to += step) sink.add(from, to, MoveKind::Ordinary, 0, tries);
          if (open(to)) sink.add(from, to, kindOfTaking(to), 0, tries);
        }
        break;
      case kKing:
        for (const int step : kAround) {
          const int to = from + step;
          if (!open(to)) continue;
          const FastMove move{static_cast<std::int8_t>(from), static_cast<std::int8_t>(to), 0,
                              kindOfTaking(to)};
          if (move.kind == MoveKind::KingCapture || standsAfter(move)) {
            sink.push(from, to, 0, move.kind);
          }
        }
        if (!castlingForbidden) addCastlings(from, list);
        break;
      default:  // codes that name no piece never move
        break;
    }
  }
}

RulesBoard::Undo RulesBoard::make(const FastMove& move) {
  const int from = move.from;
  const int to = move.to;
  const int piece = at(from);
  const int victim = SquareOf(EnPassantVictimRow(piece), ColOfSquare(to));
  const bool enPassant = move.kind == MoveKind::EnPassant;
  Undo undo{at(enPassant ? victim : to), pawnJump_, rights_, checkInForce_};
  const int placed = move.promotion != 0 ? move.promotion * side_ : piece;
  put(to, placed);
  put(from, kEmpty);
  if (enPassant) put(victim, kEmpty);  // after the pawn lands, as the game judges it
  const int row = RowOfSquare(from);
  const int toCol = ColOfSquare(to);
  if (move.kind == MoveKind::Castling) {
    moveRook(row, CastlingRookCorner(toCol), CastlingRookBeside(toCol));
  }

  // The en-passant memory: set by a jump; kept by a pawn's other moves when
  // it remembers the mover's own pawn; otherwise cleared.
  if (move.kind == MoveKind::PawnJump) {
    pawnJump_ = {piece, (row + RowOfSquare(to)) / 2, ColOfSquare(from)};
  } else if (Magnitude(placed) != kPawn || placed * pawnJump_.code <= 0) {
    pawnJump_ = {};
  }

  ClearCastlingRights(rights_, placed, row, ColOfSquare(from), RowOfSquare(to), toCol);

  side_ = -side_;
  checkInForce_ = kFromBoard;
  return undo;
}

void RulesBoard::takeBack(const FastMove& move, const Undo& undo) {
  side_ = -side_;
  rights_ = undo.rights;
  pawnJump_ = undo.pawnJump;
  checkInForce_ = undo.checkInForce;
  const int from = move.from;
  const int to = move.to;
  const int row = RowOfSquare(from);
  if (move.kind == MoveKind::Castling) {
    moveRook(row, CastlingRookBeside(ColOfSquare(to)), CastlingRookCorner(ColOfSquare(to)));
  }
  if (move.kind == MoveKind::EnPassant) {
    put(SquareOf(EnPassantVictimRow(side_), ColOfSquare(to)), undo.taken);
    put(to, kEmpty);
    put(from, kPawn * side_);
    return;
  }
  put(from, move.promotion != 0 ? kPawn * side_ : at(to));
  put(to, undo.taken);
}

void SortInListingOrder(FastMoveList& list) {
  const auto orderOf = [](const FastMove& move) {
    const auto piece = std::find(kPromotions.begin(), kPromotions.end(), move.promotion);
    const int rank = piece == kPromotions.end() ? 0 : static_cast<int>(piece - kPromotions.begin());
    return (move.from * 100 + move.to) * 4 + rank;
  };
  std::sort(list.moves.begin(), list.moves.begin() + list.count,
            [&](const FastMove& a, const FastMove& b) { return orderOf(a) < orderOf(b); });
}

std::uint64_t Perft(RulesBoard& board, int depth) {
  if (depth == 0) return 1;
  FastMoveList list;
  board.listMoves(list);
  if (depth == 1) return static_cast<std::uint64_t>(list.count);
  std::uint64_t leaves = 0;
  for (int i = 0; i < list.count; ++i) {
    const FastMove& move = list.moves[Cell(i)];
    const RulesBoard::Undo undo = board.make(move);
    leaves += Perft(board, depth - 1);
    board.takeBack(move, undo);
  }
  return leaves;
}

}  // namespace bdvx
