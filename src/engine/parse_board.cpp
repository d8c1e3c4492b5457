#include "engine/parse_board.h"

#include "rules/attacks.h"

namespace bdvx {

namespace {

// The eight rays, clockwise from the left; odd rays run along rows and
// columns, even rays along diagonals. Index 0 is unused.
constexpr int kRayRowStep[9] = {0, 0, -1, -1, -1, 0, 1, 1, 1};
constexpr int kRayColStep[9] = {0, -1, -1, 0, 1, 1, 1, 0, -1};

constexpr bool EvenRay(int ray) { return ray % 2 == 0; }

// Does the occupant of a square let the ray of a walking slider through?
// Queens always do, so does a piece of the walker's own kind, and for a
// walking queen a bishop on a diagonal or a rook on a line.
constexpr bool LetsRayThrough(int walker, int occupant, int ray) {
  const int kind = Magnitude(occupant);
  if (kind == kQueen || kind == walker) return true;
  if (walker == kQueen) {
    return (kind == kBishop && EvenRay(ray)) || (kind == kRook && !EvenRay(ray));
  }
  return false;
}

// The king's up to eight neighbours.
void AddKing(ParseArray& parse, int side, int row, int col) {
  for (int r = row - 1; r <= row + 1; ++r) {
    for (int c = col - 1; c <= col + 1; ++c) {
      if ((r != row || c != col) && OnBoard(r, c)) parse(r, c) += side;
    }
  }
}

// The knight's jumps, clipped to the board.
void AddKnight(ParseArray& parse, int side, int row, int col) {
  const int rowLo = row - 2 < 1 ? 1 : row - 2;
  const int rowHi = row + 2 > 8 ? 8 : row + 2;
  for (int x = rowLo; x <= rowHi; ++x) {
    if (x == row) continue;
    const int d = (x - row == 1 || row - x == 1) ? 2 : 1;
    if (col - d >= 1) parse(x, col - d) += side;
    if (col + d <= 8) parse(x, col + d) += side;
  }
}

// The pin test for a pawn, whose pin counts only along its row or column:
// a pawn off its king's row and column is not asked about.
LineTest PawnPin(const Board& board, const KingSquares& kings, int piece, int row, int col) {
  const int kingRow = piece > 0 ? kings.whiteRow : kings.blackRow;
  const int kingCol = piece > 0 ? kings.whiteCol : kings.blackCol;
  if (row != kingRow && col != kingCol) return LineTest{};
  return TestPin(board, kings, piece, row, col);
}

// The pawn's two diagonal squares ahead; a pawn pinned along its row or
// column adds nothing, one pinned along a diagonal still counts both.
void AddPawn(ParseArray& parse, int side, int row, int col, const LineTest& line) {
  if (line.score >= kLineShields &&
      (line.attackerRow == row || line.attackerCol == col)) {
    return;
  }
  const int target = side > 0 ? row - 1 : row + 1;
  if (target < 1 || target > 8) return;
  if (col > 1) parse(target, col - 1) += side;
  if (col < 8) parse(target, col + 1) += side;
}

// The lower-numbered of the two rays that run along a pinned slider's pin
// line; the other is 4 further on. All other rays are closed.
int PinRay(const LineTest& line, int row, int col) {
  const int qRow = line.attackerRow;
  const int qCol = line.attackerCol;
  if (qRow == row) return 1;
  if (qCol == col) return 3;
  if (qRow > row) return qCol <= col ? 4 : 2;
  return qCol <= col ? 2 : 4;
}

// Bishops, rooks and queens: walk the open rays that count for the piece,
// seeing through queens, pieces of the own kind and, for a queen, through
// bishops on diagonals and rooks on lines.
void AddSlider(const Board& board, ParseArray& parse, int side, int kind, int row,
               int col, const LineTest& line) {
  const bool pinned = line.score >= kLineShields;
  const int pinner = Magnitude(line.attacker);
  if (pinned && ((kind == kRook && pinner == kBishop) ||
                 (kind == kBishop && pinner == kRook))) {
    return;  // pinned across its own lines: it cannot move at all
  }
  // A queen walks every ray, a rook the odd ones, a bishop the even ones; a
  // pinned piece only the two along its pin line.
  const int pinRay = pinned ? PinRay(line, row, col) : 0;
  const int firstRay = kind == kBishop ? 2 : 1;
  const int rayStep = kind == kQueen ? 1 : 2;
  for (int ray = firstRay; ray <= 8; ray += rayStep) {
    if (pinned && ray != pinRay && ray != pinRay + 4) continue;
    int r = row;
    int c = col;
    for (int step = 1; step <= 7; ++step) {
      r += kRayRowStep[ray];
      c += kRayColStep[ray];
      if (!OnBoard(r, c)) break;
      parse(r, c) += side;
      const int occupant = board(r, c);
      if (occupant != 0 && !LetsRayThrough(kind, occupant, ray)) break;
    }
  }
}

}  // namespace

ParseReport BuildParseBoard(const Board& board, ParseArray& parse) {
  return BuildParseBoard(board, FindKingSquares(board), parse);
}

ParseReport BuildParseBoard(const Board& board, const KingSquares& kings, ParseArray& parse) {
  ParseReport report;
  parse.fill(0);
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      const int piece = board(row, col);
      const int kind = Magnitude(piece);
      if (kind == 0 || kind > kKing) continue;
      const int side = piece > 0 ? kWhite : kBlack;
      switch (kind) {
        case kKing:  // pins are not looked at
          (side > 0 ? report.kings.white : report.kings.black) = true;
          AddKing(parse, side, row, col);
          break;
        case kKnight:
          if (TestPin(board, kings, piece, row, col).score < kLineShields) {
            AddKnight(parse, side, row, col);
          }
          break;
        case kBishop:
        case kRook:
        case kQueen:
          AddSlider(board, parse, side, kind, row, col,
                    TestPin(board, kings, piece, row, col));
          break;
        case kPawn:
          AddPawn(parse, side, row, col, PawnPin(board, kings, piece, row, col));
          break;
        default:  // 2, 6, 7, 8 name no piece
          report.invalidPiece = piece;
          break;
      }
    }
  }
  return report;
}

}  // namespace bdvx
