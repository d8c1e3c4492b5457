#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "placed_board.h"
#include "rules/check.h"

namespace bdvx::test {
namespace {

// Is the square attacked by the side opposite to piece, on a board of pieces?
struct AttackCase { const char* pieces; int piece, square; bool attacked; };

void ExpectAttacks(std::initializer_list<AttackCase> cases) {
  for (const AttackCase& c : cases) {
    EXPECT_EQ(SquareAttacked(Pieces(c.pieces), c.piece, RowOf(c.square), ColOf(c.square)),
              c.attacked) << c.pieces << " / " << c.piece << " on " << c.square;
  }
}

TEST(SquareAttacked, TheEnemyKingButNeverAgainstAQueen) {
  ExpectAttacks({{"55Q 44k", 9, 55, false}, {"55Q 44k", 3, 55, true}, {"55Q 44k", 10, 45, true},
                 {"55Q 44k", 10, 66, false},
                 {"55Q 44k", -3, 33, false}});  // own king beside, queen line blocked
}

TEST(SquareAttacked, KnightsFromEveryJump) {
  for (const char* knight : {"34n", "36n", "43n", "47n", "63n", "67n", "74n", "76n"}) {
    const Board board = Pieces(std::string("55P ") + knight);
    EXPECT_TRUE(SquareAttacked(board, 1, 5, 5)) << knight;
    EXPECT_FALSE(SquareAttacked(board, -1, 5, 5)) << knight;
  }
  ExpectAttacks({{"33n", 1, 55, false}, {"57n", 1, 55, false}, {"45n", 1, 55, false},
                 // At the edge only the squares on the board are looked at.
                 {"23N", -1, 11, true}, {"77N", -1, 88, false}});
}

TEST(SquareAttacked, PawnsTakeTowardTheSquare) {
  ExpectAttacks({{"44p", 1, 55, true}, {"46p", 1, 55, true}, {"64p", 1, 55, false},
                 {"45p", 1, 55, false}, {"55P", -1, 44, true}, {"33P", -1, 44, false},
                 {"22P", -1, 11, true}, {"77P", -1, 88, false}});  // no row beyond 8
}

TEST(SquareAttacked, RaysStopAtTheFirstPiece) {
  ExpectAttacks({{"11b", 1, 55, true}, {"11r", 1, 55, false}, {"51r", 1, 55, true},
                 {"51b", 1, 55, false}, {"88q", 1, 55, true}, {"15q", 1, 55, true},
                 {"15q 35p", 1, 55, false}, {"15q 35N", 1, 55, false},
                 {"15Q", 1, 55, false},  // own queen
                 // Every direction, with an enemy on the square itself.
                 {"81B 18b", -1, 18, true}, {"82R 12q", 9, 82, true}});
}

}  // namespace
}  // namespace bdvx::test
