#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "placed_board.h"
#include "rules/check.h"

namespace bdvx::test {
namespace {

struct MateCase { std::string pieces; int attacker, attackerSquare, kingSquare; bool mate; };

// Each case is mate or not, and every trial square is put back.
void ExpectMates(std::initializer_list<MateCase> cases) {
  for (const MateCase& c : cases) {
    Board board = Pieces(c.pieces);
    ASSERT_EQ(board(RowOf(c.attackerSquare), ColOf(c.attackerSquare)), c.attacker);
    ASSERT_EQ(Magnitude(board(RowOf(c.kingSquare), ColOf(c.kingSquare))), kKing);
    EXPECT_EQ(TestCheckmate(board, c.attacker > 0 ? kBlack : kWhite, PawnJumpRecord{}), c.mate)
        << c.pieces;
    EXPECT_EQ(Listed(board), Listed(Pieces(c.pieces))) << c.pieces;
  }
}

// Black king hemmed in by its own pawns, White rook checking along row 1.
const std::string kBackRow = "17k 26p 27p 28p 11R 85K";

TEST(TestCheckmate, BackRowMateAndItsBlock) {
  // (1, 8) passes the attack scan (the king hides the line) but the trial
  // with the king on it finds the rook's check.
  ExpectMates({{kBackRow, 5, 11, 17, true},
               {kBackRow + " 22r", 5, 11, 17, false},  // can step between on (1, 2)
               {kBackRow + " 31r", 5, 11, 17, false},  // can take the rook
               {kBackRow + " 28.", 5, 11, 17, false},  // a way out
               // (2, 7) is open but covered by the second rook.
               {kBackRow + " 27. 37R", 5, 11, 17, true}});
}

TEST(TestCheckmate, KingTakesTheChecker) {
  ExpectMates({{kBackRow + " 11. 16R", 5, 16, 17, false},  // next to the king, unprotected
               {kBackRow + " 16R", 5, 16, 17, true}});      // protected along row 1
}

TEST(TestCheckmate, KnightCheckIsAnsweredOnlyByKingOrCapture) {
  // Smothered: the king's neighbours are its own pieces.
  const std::string smothered = "18k 17r 27p 28p 26N 81K";
  ExpectMates({{smothered, 3, 26, 18, true},
               {smothered + " 15b", 3, 26, 18, false},  // a bishop can take the knight
               {smothered + " 17.", 3, 26, 18, false}});  // the king can step aside
}

TEST(TestCheckmate, APinnedDefenderIsDropped) {
  // The Black knight could step between on (1, 6), but a White rook on
  // column 8 pins it to its king.
  ExpectMates({{"18k 27p 28n 11R 58R 81K", 5, 11, 18, true},
               {"18k 27p 28n 11R 81K", 5, 11, 18, false}});
}

TEST(TestCheckmate, ATakingPawnThatPromotesAnswersTheCheck) {
  ExpectMates({{"88k 87R 66N 76p 11K", 5, 87, 88, false},
               {"88k 87R 66N 11K", 5, 87, 88, true}});
}

}  // namespace
}  // namespace bdvx::test
