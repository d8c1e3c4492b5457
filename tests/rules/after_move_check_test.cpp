// The after-move judgement: whether a move stands, the check it gives and
// what CheckState records, in the game's mode and in the computer's silent
// trials. The board always comes back as the move left it.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "placed_board.h"
#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx::test {
namespace {

// A CheckState row: the checking piece, its row and column, the king's row and column.
using Rec = std::array<int, 5>;

struct Outcome {
  bool canceled = false;
  int score = kNoCheck, lastMover = 0;
  bool discovered = false, direct = false;
  Rec row1{}, row2{};
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
  *os << (o.canceled ? "canceled" : "stands") << ", score " << o.score << ", last mover "
      << o.lastMover << (o.discovered ? ", discovered" : "") << (o.direct ? ", direct" : "")
      << ", rows " << ::testing::PrintToString(o.row1) << ::testing::PrintToString(o.row2);
}

Rec Row(const CheckTable& table, int k) {
  Rec rec;
  for (int c = 1; c <= 5; ++c) rec[static_cast<std::size_t>(c - 1)] = table(k, c);
  return rec;
}

// One move put on the board as its caller puts it (in the game's mode a
// castling rook already beside the king), judged, the board compared after.
struct Case {
  std::string pieces;
  int piece, from, to;
  Outcome expected;
  int mode = kAnnounceMode, rule = kRuleOrdinary;
  PawnJumpRecord pawnJump{};
  Rec inForce{};  // a check recorded before the move
};

void Expect(const Case& c) {
  SCOPED_TRACE(::testing::Message() << c.pieces << " " << c.from << "-" << c.to << " mode "
                                    << c.mode);
  Board board = Pieces(c.pieces);
  const int destination = board(RowOf(c.to), ColOf(c.to));
  board(RowOf(c.to), ColOf(c.to)) = c.piece;
  board(RowOf(c.from), ColOf(c.from)) = kEmpty;
  const Board placed = board;
  CheckTable checkState{};
  for (int col = 1; col <= 5; ++col) checkState(1, col) = c.inForce[col - 1];
  int lastMover = 0;
  const AfterMove out =
      AfterMoveCheck(board, c.pawnJump, checkState, c.piece, RowOf(c.from), ColOf(c.from),
                     RowOf(c.to), ColOf(c.to), destination, c.rule, c.mode, lastMover);
  EXPECT_EQ((Outcome{out.moveCanceled, out.checkScore, lastMover, out.discoveredCheck,
                     out.directCheck, Row(checkState, 1), Row(checkState, 2)}),
            c.expected);
  EXPECT_EQ(Listed(board), Listed(placed));
}

TEST(AfterMoveCheck, JudgesAndRecordsInBothModes) {
  const Rec inForce = {-5, 1, 5, 8, 5};  // the Black rook on (1, 5) checks the White king
  const Case cases[] = {
      // A direct check, recorded in row 1.
      {"11k 18r 85K", -5, 18, 15, {.score = 50, .lastMover = -5, .direct = true, .row1 = inForce}},
      // Answering a check: steps aside, blocks, takes; staying on the line or
      // moving elsewhere is cancelled and leaves the record alone.
      {"11k 15r 85K", 10, 85, 84, {.lastMover = 10}, kAnnounceMode, 1, {}, inForce},
      {"11k 15r 85K 51R", 5, 51, 55, {.lastMover = 5}, kSilentMode, 1, {}, inForce},
      {"11k 15r 85K 42B", 4, 42, 15, {.lastMover = 4}, kAnnounceMode, 1, {}, inForce},
      {"11k 15r 85K", 10, 85, 75, {.canceled = true, .row1 = inForce}, kAnnounceMode, 1, {},
       inForce},
      {"11k 15r 85K 51R", 5, 51, 61, {.canceled = true, .row1 = inForce}, kSilentMode, 1, {},
       inForce},
      // Pins: along the pin line only, or taking the pinner.
      {"85K 75N 15r 11k", 3, 75, 54, {.canceled = true}},
      {"81K 72B 45b 17k", 4, 72, 45, {.lastMover = 4}},
      {"81K 72B 45b 17k", 4, 72, 61, {.canceled = true}},
      // Discovered and direct check together: rows 1 and 2.
      {"15k 85R 55N 81K", 3, 55, 34,
       {.score = 100, .lastMover = 3, .discovered = true, .direct = true, .row1 = {3, 3, 4, 1, 5},
        .row2 = {5, 8, 5, 1, 5}}},
      // A queen where a knight attacks it stands in the game, not in a trial;
      // attacked only by the enemy king it stands in both.
      {"88Q 34n 81K 18k", 9, 88, 55, {.lastMover = 9}},
      {"88Q 34n 81K 18k", 9, 88, 55, {.canceled = true}, kSilentMode},
      {"88Q 44k 81K", 9, 88, 55, {.score = 50, .lastMover = 9, .direct = true,
                                   .row1 = {9, 5, 5, 4, 4}}, kSilentMode},
      // Castling: the rook gives the direct check; in a trial the rook is put
      // beside the king for the judgement only. Out of check, across or onto
      // an attacked square it is cancelled.
      {"87K 86R 16k", 10, 85, 87, {.score = 50, .lastMover = 10, .direct = true,
                                   .row1 = {5, 8, 6, 1, 6}}, kAnnounceMode, kRuleCastle},
      {"88R 16k", 10, 85, 87, {.score = 50, .lastMover = 10, .direct = true,
                               .row1 = {5, 8, 6, 1, 6}}, kSilentMode, kRuleCastle},
      {"87K 86R 11k 16r", 10, 85, 87, {.canceled = true}, kAnnounceMode, kRuleCastle},
      {"87K 86R 11k 17r", 10, 85, 87, {.canceled = true}, kAnnounceMode, kRuleCastle},
      {"87K 86R 11k 15r", 10, 85, 87, {.canceled = true}, kAnnounceMode, kRuleCastle},
      // En passant: the taken pawn leaves the line open (a discovered check);
      // onto an empty square that is no target of the other side, cancelled.
      {"15k 51r 52p 53P 58K", -1, 52, 63, {.score = 50, .lastMover = -1, .discovered = true,
                                            .row2 = {-5, 5, 1, 5, 8}},
       kAnnounceMode, 1, {1, 6, 3}},
      {"15k 55p 88K", -1, 55, 66, {.canceled = true}, kSilentMode, 1, {-1, 6, 6}},
      // A promoting pawn is judged as a queen in a trial: one checker.
      {"27P 11k 88K", 1, 27, 17, {.score = 50, .lastMover = 1, .direct = true,
                                  .row1 = {9, 1, 7, 1, 1}}, kSilentMode, kRulePromotion},
      // Checkmate on the back row, and the block that spoils it.
      {"17k 26p 27p 28p 51R 85K", 5, 51, 11,
       {.score = 1000, .lastMover = 5, .direct = true, .row1 = {5, 1, 1, 1, 7}}},
      {"17k 26p 27p 28p 51R 85K 22r", 5, 51, 11,
       {.score = 50, .lastMover = 5, .direct = true, .row1 = {5, 1, 1, 1, 7}}},
      // No kings at all: nothing is attacked, the move stands.
      {"51R 33q", 5, 51, 55, {.lastMover = 5}},
  };
  for (const Case& c : cases) Expect(c);
}

}  // namespace
}  // namespace bdvx::test
