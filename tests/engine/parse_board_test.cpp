// The parse array: who controls each square, with pins and see-through rays.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/parse_board.h"
#include "positions.h"
#include "test_support.h"

namespace bdvx {
namespace {

using Rows = std::array<std::array<int, 8>, 8>;

ParseArray Parse(const Board& board) {
  ParseArray parse;
  BuildParseBoard(board, parse);
  return parse;
}

// The values of the listed squares, as {row, column, value}.
void ExpectSquares(const ParseArray& parse,
                   std::initializer_list<std::array<int, 3>> squares) {
  for (const auto& [r, c, value] : squares) {
    EXPECT_EQ(parse(r, c), value) << "square (" << r << "," << c << ")";
  }
}

void ExpectGrid(const ParseArray& parse, const Rows& expected) {
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      EXPECT_EQ(parse(r, c), expected[r - 1][c - 1]) << "square (" << r << "," << c << ")";
    }
  }
}

TEST(ParseBoard, StartingPosition) {
  ExpectGrid(Parse(test::StartBoard()), Rows{{{0, -1, -1, -1, -1, -1, -1, 0},
                                              {-1, -1, -1, -4, -4, -1, -1, -1},
                                              {-2, -2, -3, -2, -2, -3, -2, -2},
                                              {0, 0, 0, 0, 0, 0, 0, 0},
                                              {0, 0, 0, 0, 0, 0, 0, 0},
                                              {2, 2, 3, 2, 2, 3, 2, 2},
                                              {1, 1, 1, 4, 4, 1, 1, 1},
                                              {0, 1, 1, 1, 1, 1, 1, 0}}});
}

TEST(ParseBoard, RooksSeeThroughEachOtherAndStopAtTheirKing) {
  // Row 8, then the rooks' columns reaching the Black king's row.
  ExpectSquares(Parse(test::NamedPosition("two_rooks")),
                {{8, 1, 1}, {8, 2, 2}, {8, 3, 2}, {8, 4, 1}, {8, 5, 2}, {8, 6, 2}, {8, 7, 3},
                 {8, 8, 2}, {1, 1, 1}, {1, 4, 1}});
}

// The Black rook's lines and the two kings' rings; the pinned bishop or
// knight on (6,5) adds nothing and stops the rook's ray.
const Rows kPinnedBishopOrKnight{{{0, -1, 0, 0, -1, 0, 0, 0},
                                  {-2, -2, -1, -1, 0, -1, -1, -1},
                                  {0, 0, 0, 0, -1, 0, 0, 0},
                                  {0, 0, 0, 0, -1, 0, 0, 0},
                                  {0, 0, 0, 0, -1, 0, 0, 0},
                                  {0, 0, 0, 0, -1, 0, 0, 0},
                                  {0, 0, 0, 1, 1, 1, 0, 0},
                                  {0, 0, 0, 1, 0, 1, 0, 0}}};

TEST(ParseBoard, PinnedBishopAndKnightAddNothing) {
  ExpectGrid(Parse(test::NamedPosition("pinned_bishop")), kPinnedBishopOrKnight);
  ExpectGrid(Parse(test::NamedPosition("pinned_knight")), kPinnedBishopOrKnight);
}

TEST(ParseBoard, PinnedQueenKeepsItsColumnThroughThePinnerDownToItsKing) {
  // The queen adds +1 from (5,5) up through the rook to (1,5), and on (7,5)
  // and its own king's square (8,5), where its ray stops. The rook's ray
  // passes the queen and reaches (7,5) and (8,5) as well.
  ExpectGrid(Parse(test::NamedPosition("pinned_queen")),
             Rows{{{0, -1, 0, 0, 0, 0, 0, 0},
                   {-2, -2, -1, -1, 1, -1, -1, -1},
                   {0, 0, 0, 0, 0, 0, 0, 0},
                   {0, 0, 0, 0, 0, 0, 0, 0},
                   {0, 0, 0, 0, 0, 0, 0, 0},
                   {0, 0, 0, 0, -1, 0, 0, 0},
                   {0, 0, 0, 1, 1, 1, 0, 0},
                   {0, 0, 0, 1, 0, 1, 0, 0}}});
}

TEST(ParseBoard, PinnedPawnAndBishopOnADiagonalAndAPawnPinnedOnItsColumn) {
  // (6,3): pawn +1, pinning bishop -1.
  ExpectSquares(Parse(test::NamedPosition("pawn_pinned_diagonal")), {{6, 3, 0}, {6, 5, 1}});
  // A bishop in the pawn's place keeps rays 2 and 6 only: through the
  // pinning bishop to (4,1), and down to its king on (8,5).
  Board bishopBoard = test::NamedPosition("pawn_pinned_diagonal");
  bishopBoard(7, 4) = kBishop;
  // (4,1): +1 through the Black bishop, -1 from it; (8,5): +1 from it, -1
  // from the Black bishop seeing through it.
  ExpectSquares(Parse(bishopBoard), {{4, 1, 0}, {8, 5, 0}, {6, 5, 0}, {8, 3, 0}});
  ExpectSquares(Parse(test::NamedPosition("pawn_pinned_column")), {{6, 4, 0}, {6, 6, 0}});
}

TEST(ParseBoard, KnightOnRowSevenAndOverlappingKingRings) {
  ExpectSquares(Parse(test::NamedPosition("knight_row7")),
                {{5, 1, 1}, {5, 3, 1}, {6, 4, 1}, {8, 4, 1}, {6, 1, 0}, {8, 1, 0}});

  const ParseArray kings = Parse(test::NamedPosition("two_kings"));
  // Column 5 lies in both rings; a king never counts on its own square (4,4).
  for (int r = 3; r <= 5; ++r) ExpectSquares(kings, {{r, 3, -1}, {r, 5, 0}, {r, 7, 1}});
  ExpectSquares(kings, {{4, 4, 0}});
  EXPECT_EQ(Parse(test::EmptyBoard()), ParseArray{});
}

TEST(ParseBoard, CodeThatNamesNoPieceIsReportedAndTheRestIsBuilt) {
  Board board = test::NamedPosition("two_kings");
  board(2, 2) = 7;
  ParseArray parse;
  const ParseReport report = BuildParseBoard(board, parse);
  EXPECT_EQ(report.invalidPiece, 7);
  EXPECT_TRUE(report.kings.both());
  ExpectGrid(parse, Rows{{{0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, -1, -1, 0, 1, 1, 0},
                          {0, 0, -1, 0, 0, 0, 1, 0},
                          {0, 0, -1, -1, 0, 1, 1, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0}}});
}

}  // namespace
}  // namespace bdvx
