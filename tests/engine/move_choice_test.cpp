// The computer's move choice: the worked openings, carried scores, the
// immediate mate, resignation, levels, and the untouched game state.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "console/virtual_console.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "positions.h"
#include "test_support.h"

namespace bdvx {
namespace {

struct Seen {
  MoveRecord move;
  int score;
  int reply;
  bool searched;
  MoveRecord hint;
};

class Watcher : public ChoiceObserver {
 public:
  void candidate(const MoveRecord& move, int score, int replyScore, bool searched,
                 const MoveRecord& hint) override {
    seen.push_back({move, score, replyScore, searched, hint});
  }
  void mate(const MoveRecord& move) override { mates.push_back(move); }

  const Seen* find(const MoveRecord& move) const {
    for (const Seen& s : seen) {
      if (s.move == move) return &s;
    }
    return nullptr;
  }
  std::vector<Seen> seen;
  std::vector<MoveRecord> mates;
};

// One call of the move choice with everything the game would hand in; draws
// are forced random values, taken before the console's own. Every call must
// leave the board and the check record as they were.
struct Choice {
  Choice(const Board& b, int side, int moveNumber, int hintLimit = 9999, int castle = 1,
         const CheckTable& check = {}, const std::vector<double>& draws = {})
      : board(b), checkState(check) {
    for (const double draw : draws) con.queueRandom(draw);
    BuildParseBoard(board, parse);
    ChooseComputerMove(con, board, parse, computerMove, hintMove, side, castle, castle,
                       checkState, pawnJump, moveNumber, hintLimit, &watcher);
    EXPECT_EQ(board, b) << "the board was changed";
    EXPECT_EQ(checkState, check) << "the check record was changed";
  }

  VirtualConsole con;
  Board board;
  ParseArray parse;
  CheckTable checkState;
  PawnJumpRecord pawnJump{};
  MoveRecord computerMove{99, 9, 9, 9, 9};
  MoveRecord hintMove{99, 9, 9, 9, 9};
  Watcher watcher;
};

TEST(ChooseComputerMove, OpeningAsWhiteCarriesUnscoredStepsAndLosesTenEach) {
  Choice c(test::StartBoard(), kWhite, 0);
  const int expected[20][5] = {
      {7, 1, 5, 1, -10}, {7, 1, 6, 1, -6}, {7, 2, 5, 2, -16}, {7, 2, 6, 2, -5},
      {7, 3, 5, 3, -15}, {7, 3, 6, 3, -4}, {7, 4, 5, 4, -14}, {7, 4, 6, 4, 11},
      {7, 5, 5, 5, 1},   {7, 5, 6, 5, 11}, {7, 6, 5, 6, 1},   {7, 6, 6, 6, -4},
      {7, 7, 5, 7, -14}, {7, 7, 6, 7, -5}, {7, 8, 5, 8, -15}, {7, 8, 6, 8, -6},
      {8, 2, 6, 1, 1},   {8, 2, 6, 3, 1},  {8, 7, 6, 6, 1},   {8, 7, 6, 8, 1}};
  ASSERT_EQ(c.watcher.seen.size(), 20u);
  for (std::size_t i = 0; i < 20; ++i) {
    const Seen& s = c.watcher.seen[i];
    const auto [fr, fc, tr, tc, score] = expected[i];
    const MoveRecord move{fr == 8 ? kKnight : kPawn, fr, fc, tr, tc};
    EXPECT_EQ(std::tuple(s.move, s.score, s.reply, s.searched, s.hint),
              std::tuple(move, score, 21, true, MoveRecord{-1, 2, 4, 3, 4}))
        << "candidate " << i;
  }
  EXPECT_TRUE(c.computerMove == (MoveRecord{1, 7, 4, 6, 4}) ||
              c.computerMove == (MoveRecord{1, 7, 5, 6, 5}));
  EXPECT_EQ(c.hintMove, (MoveRecord{-1, 2, 4, 3, 4}));
  EXPECT_EQ(c.con.randomDraws(), 20);
}

TEST(ChooseComputerMove, TieTossFavoursTheLaterMoveBelowFiveHundred) {
  for (const double draw : {0.499, 0.5}) {
    // High draws up to (7,5)-(5,5), then the toss for (7,5)-(6,5), tied at 11
    // with (7,4)-(6,4); the rest score less.
    std::vector<double> draws(9, 0.9);
    draws.push_back(draw);
    draws.resize(20, 0.0);
    const Choice c(test::StartBoard(), kWhite, 0, 9999, 1, {}, draws);
    EXPECT_EQ(c.computerMove,
              draw < 0.5 ? (MoveRecord{1, 7, 5, 6, 5}) : (MoveRecord{1, 7, 4, 6, 4}));
  }
}

TEST(ChooseComputerMove, BlackAnswerToTheKingsPawn) {
  Board board = test::StartBoard();
  board(7, 5) = 0;
  board(5, 5) = kPawn;
  Choice c(board, kBlack, 1);

  const Seen* knight = c.watcher.find({-3, 1, 7, 3, 6});
  ASSERT_NE(knight, nullptr);
  EXPECT_EQ(std::tuple(knight->score, knight->reply), std::tuple(4, 21));  // 11 + fork 3 - 10

  // The two-square step is compared with the value left before it, lowered
  // by half the pawn's capture on (4,6).
  const Seen* jump = c.watcher.find({-1, 2, 6, 4, 6});
  ASSERT_NE(jump, nullptr);
  ASSERT_GT(jump, c.watcher.seen.data());
  EXPECT_EQ(std::tuple(jump->reply, jump->score), std::tuple(38, (jump - 1)->score - 19));

  // Emptying (2,4) opens the bishop's diagonal (8,6)-(4,2) to the king: the
  // check reply scores 59, so 21 - 29 = -8. (2,5)-(3,5) alone scores 11.
  const Seen* queenPawn = c.watcher.find({-1, 2, 4, 3, 4});
  ASSERT_NE(queenPawn, nullptr);
  EXPECT_EQ(std::tuple(queenPawn->reply, queenPawn->score), std::tuple(59, -8));
  const Seen* kingPawn = c.watcher.find({-1, 2, 5, 3, 5});
  ASSERT_NE(kingPawn, nullptr);
  EXPECT_EQ(kingPawn->score, 11);
  for (const Seen& s : c.watcher.seen) {
    if (!(s.move == MoveRecord{-1, 2, 5, 3, 5})) {
      EXPECT_LT(s.score, 11);
    }
  }
  EXPECT_EQ(c.computerMove, (MoveRecord{-1, 2, 5, 3, 5}));
}

TEST(ChooseComputerMove, FirstMateIsPlayedAtOnceWithoutADraw) {
  Choice c(test::NamedPosition("back_rank_mate"), kWhite, 1);
  ASSERT_EQ(c.watcher.seen.size(), 1u);  // the pawn step before the rook
  EXPECT_EQ(c.watcher.seen[0].move, (MoveRecord{1, 4, 2, 3, 2}));
  ASSERT_EQ(c.watcher.mates.size(), 1u);
  EXPECT_EQ(c.computerMove, (MoveRecord{5, 5, 1, 1, 1}));
  EXPECT_EQ(c.con.randomDraws(), 1);
  EXPECT_EQ(c.hintMove, c.watcher.seen[0].hint);  // the hint of the choice so far
  EXPECT_NE(c.hintMove.piece, 0);
}

TEST(ChooseComputerMove, ResignsWhenEveryMoveLandsOnADominatedSquare) {
  Choice c(test::NamedPosition("dominated_resign"), kBlack, 1);
  EXPECT_TRUE(c.watcher.seen.empty());
  EXPECT_EQ(std::tuple(c.computerMove.piece, c.hintMove.piece, c.con.randomDraws()),
            std::tuple(0, 0, 0));
}

TEST(ChooseComputerMove, LevelZeroStopsTheReplySearchAfterMoveTwo) {
  Choice young(test::StartBoard(), kWhite, 2, 2);
  EXPECT_NE(young.hintMove.piece, 0);
  Choice late(test::StartBoard(), kWhite, 3, 2);
  EXPECT_EQ(late.hintMove.piece, 0);
  EXPECT_NE(late.computerMove.piece, 0);
  for (const Seen& s : late.watcher.seen) {
    EXPECT_EQ(std::tuple(s.searched, s.reply), std::tuple(false, 0));
  }
  // Without the reply deduction the opening steps keep their plain scores;
  // (7,2)-(5,2) is carried.
  ASSERT_GE(late.watcher.seen.size(), 3u);
  EXPECT_EQ(std::tuple(late.watcher.seen[1].score, late.watcher.seen[2].score), std::tuple(4, 4));
}

TEST(ChooseComputerMove, InCheckAPieceMayBlockOnAPawnAttackedSquare) {
  // The Black rook on (2,5) checks the White king on (8,5).
  CheckTable check{};
  check(kDirectCheckRow, kCheckPiece) = -kRook;
  check(kDirectCheckRow, kCheckFromRow) = 2;
  check(kDirectCheckRow, kCheckFromCol) = 5;
  check(kDirectCheckRow, kCheckKingRow) = 8;
  check(kDirectCheckRow, kCheckKingCol) = 5;
  Choice inCheck(test::NamedPosition("check_block"), kWhite, 1, 9999, 0, check);
  EXPECT_NE(inCheck.watcher.find({5, 6, 1, 6, 5}), nullptr);

  Choice unchecked(test::NamedPosition("check_block"), kWhite, 1, 9999, 0);
  EXPECT_EQ(unchecked.watcher.find({5, 6, 1, 6, 5}), nullptr);
}

}  // namespace
}  // namespace bdvx
