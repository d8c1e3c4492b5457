// The computer's move choice: the worked openings, carried scores, the
// immediate mate, resignation, levels, and the untouched game state.

#include <gtest/gtest.h>

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

// One call of the move choice with everything the game would hand in.
struct Choice {
  Choice(const Board& b, int side, int moveNumber, int hintLimit = 9999, int castle = 1)
      : board(b) {
    BuildParseBoard(con, board, parse);
    const Board before = board;
    const CheckTable checkBefore = checkState;
    ChooseComputerMove(con, board, parse, computerMove, hintMove, side, castle, castle,
                       checkState, pawnJump, msgRow, voice, playerLetter, moveNumber,
                       hintLimit, &watcher);
    boardKept = board == before;
    checkKept = checkState == checkBefore;
  }
  Choice(const Board& b, int side, const CheckTable& check, int castle)
      : board(b), checkState(check) {
    BuildParseBoard(con, board, parse);
    const Board before = board;
    ChooseComputerMove(con, board, parse, computerMove, hintMove, side, castle, castle,
                       checkState, pawnJump, msgRow, voice, playerLetter, 1, 9999, &watcher);
    boardKept = board == before;
    checkKept = checkState == check;
  }

  VirtualConsole con;
  Board board;
  ParseArray parse;
  CheckTable checkState{};
  PawnJumpRecord pawnJump{};
  int msgRow = 1;
  std::string voice = "ENG";
  std::string playerLetter = "B";
  MoveRecord computerMove{99, 9, 9, 9, 9};
  MoveRecord hintMove{99, 9, 9, 9, 9};
  Watcher watcher;
  bool boardKept = false;
  bool checkKept = false;
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
  for (int i = 0; i < 20; ++i) {
    const Seen& s = c.watcher.seen[static_cast<std::size_t>(i)];
    const int piece = expected[i][0] == 8 ? kKnight : kPawn;
    EXPECT_EQ(s.move, (MoveRecord{piece, expected[i][0], expected[i][1], expected[i][2],
                                  expected[i][3]}))
        << "candidate " << i;
    EXPECT_EQ(s.score, expected[i][4]) << "candidate " << i;
    EXPECT_EQ(s.reply, 21) << "candidate " << i;
    EXPECT_TRUE(s.searched);
    EXPECT_EQ(s.hint, (MoveRecord{-1, 2, 4, 3, 4}));
  }
  EXPECT_TRUE(c.computerMove == (MoveRecord{1, 7, 4, 6, 4}) ||
              c.computerMove == (MoveRecord{1, 7, 5, 6, 5}));
  EXPECT_EQ(c.hintMove, (MoveRecord{-1, 2, 4, 3, 4}));
  EXPECT_EQ(c.con.randomDraws(), 20);
  EXPECT_TRUE(c.boardKept);
  EXPECT_TRUE(c.checkKept);
}

TEST(ChooseComputerMove, TieTossFavoursTheLaterMoveBelowFiveHundred) {
  for (const double draw : {0.499, 0.5}) {
    VirtualConsole con;
    for (int i = 0; i < 9; ++i) con.queueRandom(0.9);   // up to (7,5)-(5,5)
    con.queueRandom(draw);                              // (7,5)-(6,5), tied at 11
    for (int i = 0; i < 10; ++i) con.queueRandom(0.0);  // the rest score less
    Board board = test::StartBoard();
    ParseArray parse;
    BuildParseBoard(con, board, parse);
    MoveRecord move, hint;
    CheckTable check{};
    int msgRow = 1;
    const std::string voice = "ENG", letter = "B";
    ChooseComputerMove(con, board, parse, move, hint, kWhite, 1, 1, check, PawnJumpRecord{},
                       msgRow, voice, letter, 0, 9999);
    EXPECT_EQ(move, draw < 0.5 ? (MoveRecord{1, 7, 5, 6, 5}) : (MoveRecord{1, 7, 4, 6, 4}));
  }
}

TEST(ChooseComputerMove, BlackAnswerToTheKingsPawn) {
  Board board = test::StartBoard();
  board(7, 5) = 0;
  board(5, 5) = kPawn;
  Choice c(board, kBlack, 1);

  const Seen* knight = c.watcher.find({-3, 1, 7, 3, 6});
  ASSERT_NE(knight, nullptr);
  EXPECT_EQ(knight->score, 4);  // 11 + fork 3 - 10
  EXPECT_EQ(knight->reply, 21);

  // The two-square step is compared with the value left before it, lowered
  // by half the pawn's capture on (4,6).
  for (std::size_t i = 1; i < c.watcher.seen.size(); ++i) {
    if (c.watcher.seen[i].move == MoveRecord{-1, 2, 6, 4, 6}) {
      EXPECT_EQ(c.watcher.seen[i].reply, 38);
      EXPECT_EQ(c.watcher.seen[i].score, c.watcher.seen[i - 1].score - 19);
    }
  }
  ASSERT_NE(c.watcher.find({-1, 2, 6, 4, 6}), nullptr);

  // Emptying (2,4) opens the bishop's diagonal (8,6)-(4,2) to the king: the
  // check reply scores 59, so 21 - 29 = -8. (2,5)-(3,5) alone scores 11.
  const Seen* queenPawn = c.watcher.find({-1, 2, 4, 3, 4});
  ASSERT_NE(queenPawn, nullptr);
  EXPECT_EQ(queenPawn->reply, 59);
  EXPECT_EQ(queenPawn->score, -8);
  EXPECT_EQ(c.watcher.find({-1, 2, 5, 3, 5})->score, 11);
  for (const Seen& s : c.watcher.seen) {
    if (!(s.move == MoveRecord{-1, 2, 5, 3, 5})) {
      EXPECT_LT(s.score, 11);
    }
  }
  EXPECT_EQ(c.computerMove, (MoveRecord{-1, 2, 5, 3, 5}));
  EXPECT_TRUE(c.boardKept);
  EXPECT_TRUE(c.checkKept);
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
  EXPECT_TRUE(c.boardKept);
  EXPECT_TRUE(c.checkKept);
}

TEST(ChooseComputerMove, ResignsWhenEveryMoveLandsOnADominatedSquare) {
  Choice c(test::NamedPosition("dominated_resign"), kBlack, 1);
  EXPECT_TRUE(c.watcher.seen.empty());
  EXPECT_EQ(c.computerMove.piece, 0);
  EXPECT_EQ(c.hintMove.piece, 0);
  EXPECT_EQ(c.con.randomDraws(), 0);
  EXPECT_TRUE(c.boardKept);
}

TEST(ChooseComputerMove, LevelZeroStopsTheReplySearchAfterMoveTwo) {
  Choice young(test::StartBoard(), kWhite, 2, 2);
  EXPECT_NE(young.hintMove.piece, 0);
  Choice late(test::StartBoard(), kWhite, 3, 2);
  EXPECT_EQ(late.hintMove.piece, 0);
  EXPECT_NE(late.computerMove.piece, 0);
  for (const Seen& s : late.watcher.seen) {
    EXPECT_FALSE(s.searched);
    EXPECT_EQ(s.reply, 0);
  }
  // Without the reply deduction the opening steps keep their plain scores.
  EXPECT_EQ(late.watcher.seen[1].score, 4);
  EXPECT_EQ(late.watcher.seen[2].score, 4);  // (7,2)-(5,2) carried
}

TEST(ChooseComputerMove, InCheckAPieceMayBlockOnAPawnAttackedSquare) {
  CheckTable check{};
  check(kDirectCheckRow, kCheckPiece) = -kRook;
  check(kDirectCheckRow, kCheckFromRow) = 2;
  check(kDirectCheckRow, kCheckFromCol) = 5;
  check(kDirectCheckRow, kCheckKingRow) = 8;
  check(kDirectCheckRow, kCheckKingCol) = 5;
  Choice inCheck(test::NamedPosition("check_block"), kWhite, check, 0);
  EXPECT_NE(inCheck.watcher.find({5, 6, 1, 6, 5}), nullptr);
  EXPECT_TRUE(inCheck.checkKept);
  EXPECT_TRUE(inCheck.boardKept);

  Choice unchecked(test::NamedPosition("check_block"), kWhite, CheckTable{}, 0);
  EXPECT_EQ(unchecked.watcher.find({5, 6, 1, 6, 5}), nullptr);
}

}  // namespace
}  // namespace bdvx
