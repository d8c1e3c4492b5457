// The candidate scan and the reply search: destination boxes, the pawn
// guard, the reply filters and start values.

#include <gtest/gtest.h>

#include <vector>

#include "console/virtual_console.h"
#include "engine/analyzer.h"
#include "engine/parse_board.h"
#include "positions.h"
#include "test_support.h"

namespace bdvx {
namespace {

// A scan's context with a silent announcer.
struct Scan {
  explicit Scan(const Board& b) : board(b) { BuildParseBoard(con, board, parse); }
  TrialContext context() { return TrialContext{con, pawnJump, announcer}; }

  VirtualConsole con;
  Board board;
  ParseArray parse;
  CheckTable checkState{};
  PawnJumpRecord pawnJump{};
  int msgRow = 1;
  std::string voice = "ENG";
  std::string playerLetter = "W";
  Announcer announcer{msgRow, voice, playerLetter};
};

class Recorder : public CandidateVisitor {
 public:
  void visit(const Candidate& c) override { moves.push_back(c.move); }
  bool has(int fr, int fc, int tr, int tc) const {
    for (const MoveRecord& m : moves) {
      if (m.fromRow == fr && m.fromCol == fc && m.toRow == tr && m.toCol == tc) return true;
    }
    return false;
  }
  std::vector<MoveRecord> moves;
};

TEST(DestinationBox, KingKnightAndPawnRectangles) {
  const DestinationRange king = DestinationBox(kKing, 8, 5);
  EXPECT_EQ((std::array{king.rowLo, king.rowHi, king.colLo, king.colHi}),
            (std::array{7, 8, 3, 7}));
  const DestinationRange corner = DestinationBox(-kKing, 1, 1);
  EXPECT_EQ((std::array{corner.rowLo, corner.rowHi, corner.colLo, corner.colHi}),
            (std::array{1, 2, 1, 2}));
  const DestinationRange knight = DestinationBox(kKnight, 2, 7);
  EXPECT_EQ((std::array{knight.rowLo, knight.rowHi, knight.colLo, knight.colHi}),
            (std::array{1, 4, 5, 8}));
  const DestinationRange pawn = DestinationBox(kPawn, 2, 1);  // one step from row 1
  EXPECT_EQ((std::array{pawn.rowLo, pawn.rowHi, pawn.colLo, pawn.colHi}),
            (std::array{1, 1, 1, 2}));
  const DestinationRange black = DestinationBox(-kPawn, 2, 5);  // row + 1 first
  EXPECT_EQ((std::array{black.rowLo, black.rowHi, black.colLo, black.colHi}),
            (std::array{3, 4, 4, 6}));
}

TEST(CandidateScan, PawnGuardKeepsThePawnBehindAnUnheldFriend) {
  Scan guarded(test::NamedPosition("pawn_guard"));
  Recorder held;
  ScanCandidates(guarded.context(), guarded.board, guarded.parse, kBlack, 0, 0,
                 guarded.checkState, PawnAttackFilter{}, held);
  EXPECT_FALSE(held.has(2, 3, 3, 3));
  EXPECT_FALSE(held.has(2, 3, 4, 3));
  EXPECT_TRUE(held.has(3, 2, 5, 3));  // the knight itself moves

  Scan free(test::NamedPosition("pawn_guard_free"));
  Recorder moved;
  ScanCandidates(free.context(), free.board, free.parse, kBlack, 0, 0, free.checkState,
                 PawnAttackFilter{}, moved);
  EXPECT_TRUE(moved.has(2, 3, 3, 3));
  EXPECT_TRUE(moved.has(2, 3, 4, 3));
}

TEST(CandidateScan, StartingPositionBlackPawnStepsInBoxOrder) {
  Scan scan(test::StartBoard());
  Recorder rec;
  ScanCandidates(scan.context(), scan.board, scan.parse, kBlack, 0, 0, scan.checkState,
                 PawnAttackFilter{}, rec);
  ASSERT_EQ(rec.moves.size(), 20u);
  EXPECT_EQ(rec.moves[0], (MoveRecord{-3, 1, 2, 3, 1}));  // row 1 comes first
  EXPECT_EQ(rec.moves[3], (MoveRecord{-3, 1, 7, 3, 8}));
  EXPECT_EQ(rec.moves[4], (MoveRecord{-1, 2, 1, 3, 1}));
  EXPECT_EQ(rec.moves[5], (MoveRecord{-1, 2, 1, 4, 1}));
  EXPECT_EQ(rec.moves[12], (MoveRecord{-1, 2, 5, 3, 5}));
  EXPECT_EQ(rec.moves[13], (MoveRecord{-1, 2, 5, 4, 5}));
  EXPECT_EQ(scan.board, test::StartBoard());
}

TEST(BestReply, EqualScoresKeepTheFirstReply) {
  Scan scan(test::StartBoard());
  MoveRecord reply;
  const ReplyOutcome out =
      BestReply(scan.context(), scan.board, scan.parse, reply, kBlack, scan.checkState);
  EXPECT_EQ(out.replyScore, 21);
  EXPECT_EQ(reply, (MoveRecord{-1, 2, 4, 3, 4}));  // before (2,5)-(3,5), also 21
  EXPECT_LE(out.lastCheckScore, 999);
}

TEST(BestReply, NoSurvivingReplyKeepsMinusFiftyAndTheOldRecord) {
  Scan scan(test::NamedPosition("dominated_resign"));
  MoveRecord reply{7, 7, 7, 7, 7};
  const ReplyOutcome out =
      BestReply(scan.context(), scan.board, scan.parse, reply, kBlack, scan.checkState);
  EXPECT_EQ(out.replyScore, kReplyStartScore);
  EXPECT_EQ(reply, (MoveRecord{7, 7, 7, 7, 7}));
}

TEST(BestReply, AnUnscoredFirstReplyCountsAsZero) {
  Scan scan(test::NamedPosition("reply_zero"));
  MoveRecord reply;
  const ReplyOutcome out =
      BestReply(scan.context(), scan.board, scan.parse, reply, kBlack, scan.checkState);
  // (3,1) is held twice by the rooks on row 3, which see through each
  // other, so the single step is dropped; the double step is not scored.
  EXPECT_EQ(out.replyScore, 0);
  EXPECT_EQ(reply, (MoveRecord{-1, 2, 1, 4, 1}));
}

TEST(CandidateScan, PawnAttackFilterRowsDifferBetweenThePlies) {
  // Black knight on (5,4); a hand-made White pawn on (8,4) attacks two of
  // its destinations, (7,3) and (7,5).
  Board board = test::EmptyBoard();
  board(1, 1) = -kKing;
  board(5, 4) = -kKnight;
  board(8, 4) = kPawn;
  board(8, 8) = kKing;
  Scan scan(board);
  ASSERT_EQ(scan.parse(7, 3), 0);  // knight -1, pawn +1: Black control 0

  Recorder reply;  // pawns looked for on rows 1..8
  ScanCandidates(scan.context(), scan.board, scan.parse, kBlack, 0, 0, scan.checkState,
                 PawnAttackFilter{true, false, 8}, reply);
  EXPECT_FALSE(reply.has(5, 4, 7, 3));
  EXPECT_FALSE(reply.has(5, 4, 7, 5));
  EXPECT_TRUE(reply.has(5, 4, 6, 2));

  Recorder own;  // the computer's scan looks at rows 1..7 only
  ScanCandidates(scan.context(), scan.board, scan.parse, kBlack, 0, 0, scan.checkState,
                 PawnAttackFilter{true, true, 7}, own);
  EXPECT_TRUE(own.has(5, 4, 7, 3));
  EXPECT_TRUE(own.has(5, 4, 7, 5));
}

TEST(CandidateScan, PawnMayStepWhereTheEnemyHoldsOneMoreNotTwo) {
  // Black pawn (2,4) steps to (3,4): White knights on (5,3) and (5,5) bear on it.
  Board board = test::EmptyBoard();
  board(1, 1) = -kKing;
  board(2, 4) = -kPawn;
  board(5, 3) = kKnight;
  board(8, 8) = kKing;
  Scan one(board);
  Recorder byOne;
  ScanCandidates(one.context(), one.board, one.parse, kBlack, 0, 0, one.checkState,
                 PawnAttackFilter{}, byOne);
  EXPECT_TRUE(byOne.has(2, 4, 3, 4));

  board(5, 5) = kKnight;
  Scan two(board);
  Recorder byTwo;
  ScanCandidates(two.context(), two.board, two.parse, kBlack, 0, 0, two.checkState,
                 PawnAttackFilter{}, byTwo);
  EXPECT_FALSE(byTwo.has(2, 4, 3, 4));
  EXPECT_TRUE(byTwo.has(2, 4, 4, 4));  // (4,4) is held by nobody
}

}  // namespace
}  // namespace bdvx
