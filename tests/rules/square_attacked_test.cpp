#include <gtest/gtest.h>

#include "placed_board.h"
#include "rules/check.h"

namespace bdvx {
namespace {

using test::Placed;
using test::Placing;

TEST(SquareAttacked, TheEnemyKingButNeverAgainstAQueen) {
  const Board board = Placing({{5, 5, 9}, {4, 4, -10}});
  EXPECT_FALSE(SquareAttacked(board, 9, 5, 5));
  EXPECT_TRUE(SquareAttacked(board, 3, 5, 5));
  EXPECT_TRUE(SquareAttacked(board, 10, 4, 5));
  EXPECT_FALSE(SquareAttacked(board, 10, 6, 6));
  EXPECT_FALSE(SquareAttacked(board, -3, 3, 3));  // own king beside, queen line blocked
}

TEST(SquareAttacked, KnightsFromEveryJump) {
  const int jumps[8][2] = {{-2, -1}, {-2, 1}, {-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {2, -1}, {2, 1}};
  for (const auto& j : jumps) {
    const Board board = Placing({{5, 5, 1}, {5 + j[0], 5 + j[1], -3}});
    EXPECT_TRUE(SquareAttacked(board, 1, 5, 5)) << j[0] << "," << j[1];
    EXPECT_FALSE(SquareAttacked(board, -1, 5, 5));
  }
  for (const auto& at : {Placed{3, 3, -3}, Placed{5, 7, -3}, Placed{4, 5, -3}}) {
    EXPECT_FALSE(SquareAttacked(Placing({at}), 1, 5, 5));
  }
  // At the edge only the squares on the board are looked at.
  EXPECT_TRUE(SquareAttacked(Placing({{2, 3, 3}}), -1, 1, 1));
  EXPECT_FALSE(SquareAttacked(Placing({{7, 7, 3}}), -1, 8, 8));
}

TEST(SquareAttacked, PawnsTakeTowardTheSquare) {
  EXPECT_TRUE(SquareAttacked(Placing({{4, 4, -1}}), 1, 5, 5));
  EXPECT_TRUE(SquareAttacked(Placing({{4, 6, -1}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{6, 4, -1}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{4, 5, -1}}), 1, 5, 5));
  EXPECT_TRUE(SquareAttacked(Placing({{5, 5, 1}}), -1, 4, 4));
  EXPECT_FALSE(SquareAttacked(Placing({{3, 3, 1}}), -1, 4, 4));
  EXPECT_TRUE(SquareAttacked(Placing({{2, 2, 1}}), -1, 1, 1));
  EXPECT_FALSE(SquareAttacked(Placing({{7, 7, 1}}), -1, 8, 8));  // no row beyond 8
}

TEST(SquareAttacked, RaysStopAtTheFirstPiece) {
  EXPECT_TRUE(SquareAttacked(Placing({{1, 1, -4}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{1, 1, -5}}), 1, 5, 5));
  EXPECT_TRUE(SquareAttacked(Placing({{5, 1, -5}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{5, 1, -4}}), 1, 5, 5));
  EXPECT_TRUE(SquareAttacked(Placing({{8, 8, -9}}), 1, 5, 5));
  EXPECT_TRUE(SquareAttacked(Placing({{1, 5, -9}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{1, 5, -9}, {3, 5, -1}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{1, 5, -9}, {3, 5, 3}}), 1, 5, 5));
  EXPECT_FALSE(SquareAttacked(Placing({{1, 5, 9}}), 1, 5, 5));  // own queen
  // Every direction, with an enemy on the square itself.
  EXPECT_TRUE(SquareAttacked(Placing({{8, 1, 4}, {1, 8, -4}}), -1, 1, 8));
  EXPECT_TRUE(SquareAttacked(Placing({{8, 2, 5}, {1, 2, -9}}), 9, 8, 2));
}

}  // namespace
}  // namespace bdvx
