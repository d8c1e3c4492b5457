// Every move that stands is written in standard algebraic notation for the
// PGN; moves that are refused, cancelled or drawn are not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

TEST(Notation, EachKindOfMoveAsChessProgramsWriteIt) {
  const struct {
    const char* what;
    Board board;
    std::vector<std::string> moves;  // White's by the player, Black's by the computer
    std::vector<std::string> san;
  } cases[] = {
      {"by file: the other knight could go too", KingsWith({"WN 82", "WN 66"}), {"WN 82 74"},
       {"Nbd2"}},
      {"by rank, with a capture", KingsWith({"WR 81", "WR 41", "BN 61"}), {"WR 81 61"},
       {"R1xa3"}},
      {"by file and rank", Pieces({"BK 11", "WQ 72", "WQ 32", "WQ 76", "WK 88"}), {"WQ 72 54"},
       {"Qb2d4"}},
      // The knight on c3 is pinned by the bishop: only the one on g1 may go.
      {"a pinned rival does not count", KingsWith({"WN 63", "WN 87", "BB 52"}),
       {"WN 63 75", "WN 87 75"}, {"Ne2"}},
      {"en passant", KingsWith({"WP 45", "BP 24"}), {"BP 24 44", "WP 45 34"}, {"d5", "exd6"}},
      {"promotion taking with check", KingsWith({"WP 22", "BR 11"}), {"WP 22 11"}, {"bxa8=Q+"}},
      {"both castlings", KingsWith({"WR 81", "WR 88", "BR 11", "BR 18"}),
       {"WK 85 87", "BK 15 13"}, {"O-O", "O-O-O"}},
      {"mate", Pieces({"BK 17", "BP 26", "BP 27", "BP 28", "WR 81", "WK 85"}), {"WR 81 11"},
       {"Ra8#"}},
      // The sixth half-move of a repetition is announced but never made.
      {"repetition", KingsWith({"WN 87", "BN 17"}),
       {"WN 87 66", "BN 17 36", "WN 66 87", "BN 36 17", "WN 87 66", "BN 17 36"},
       {"Nf3", "Nf6", "Ng1", "Ng8", "Nf3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MoveGame game(c.board);
    game.con.queueLine("WQ");  // the promoted pawn's piece
    for (const std::string& move : c.moves) game.Move(move);
    EXPECT_EQ(game.g.PgnMoves, c.san);
  }
}

}  // namespace
}  // namespace bdvx::test
