// The soak's random positions are ones CREATE accepts and the rules allow:
// one king of each side, no pawn on a far row, the side that moved last not
// in check, every row typed as 16 characters without blanks.
#include <gtest/gtest.h>

#include "core/piece_text.h"
#include "rules/check.h"
#include "self_play.h"

namespace bdvx::soak {
namespace {

TEST(RandomCustomRows, GiveLegalPositionsForEitherSideToMove) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    const int computerSide = seed % 2 == 0 ? kWhite : kBlack;
    const std::array<std::string, 8> rows = RandomCustomRows(rng, computerSide);

    SquareTextGrid texts;
    for (int r = 1; r <= 8; ++r) {
      const std::string& row = rows[static_cast<std::size_t>(r - 1)];
      ASSERT_EQ(row.size(), 16u) << "seed " << seed;
      ASSERT_EQ(row.find(' '), std::string::npos) << "seed " << seed;
      for (int c = 1; c <= 8; ++c) texts(r, c) = row.substr(2 * (c - 1), 2);
    }
    Board board;
    BoardFromSquareText(texts, board);

    int whiteKings = 0, blackKings = 0, ownRow = 0, ownCol = 0;
    for (int r = 1; r <= 8; ++r) {
      for (int c = 1; c <= 8; ++c) {
        const int code = board(r, c);
        whiteKings += code == kKing;
        blackKings += code == -kKing;
        if (code == kKing * computerSide) ownRow = r, ownCol = c;
        if (r == 1 || r == 8) {
          EXPECT_NE(Magnitude(code), kPawn) << "seed " << seed;
        }
      }
    }
    EXPECT_EQ(whiteKings, 1) << "seed " << seed;
    EXPECT_EQ(blackKings, 1) << "seed " << seed;
    EXPECT_FALSE(SquareAttacked(board, kKing * computerSide, ownRow, ownCol)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace bdvx::soak
