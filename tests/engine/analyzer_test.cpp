// The candidate scan and the reply search: destination boxes, the pawn
// guard, the reply filters and start values.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "console/virtual_console.h"
#include "engine/analyzer.h"
#include "engine/parse_board.h"
#include "positions.h"
#include "test_support.h"

namespace bdvx {
namespace {

// A scan's board, parse array and context.
struct Scan {
  explicit Scan(const Board& b) : board(b) { BuildParseBoard(board, parse); }
  TrialContext context() { return TrialContext{pawnJump}; }

  Board board;
  ParseArray parse;
  CheckTable checkState{};
  PawnJumpRecord pawnJump{};
};

class Recorder : public CandidateVisitor {
 public:
  void visit(const Candidate& c) override { moves.push_back(c.move); }
  std::vector<MoveRecord> moves;
};

// Black's candidates on board, in scan order; the board must come back as it was.
std::vector<MoveRecord> BlackCandidates(const Board& board, PawnAttackFilter filter = {}) {
  Scan scan(board);
  Recorder rec;
  ScanCandidates(scan.context(), scan.board, scan.parse, kBlack, 0, 0, scan.checkState, filter,
                 rec);
  EXPECT_EQ(scan.board, board);
  return rec.moves;
}

struct Expected {
  int fromRow, fromCol, toRow, toCol;
  bool listed;
};

// Whether each of the moves is among the candidates (or not).
void ExpectListed(const std::vector<MoveRecord>& moves, std::initializer_list<Expected> cases) {
  for (const Expected& e : cases) {
    bool found = false;
    for (const MoveRecord& m : moves) {
      found = found || (m.fromRow == e.fromRow && m.fromCol == e.fromCol && m.toRow == e.toRow &&
                        m.toCol == e.toCol);
    }
    EXPECT_EQ(found, e.listed) << "(" << e.fromRow << "," << e.fromCol << ")-(" << e.toRow << ","
                               << e.toCol << ")";
  }
}

// A board with the kings in the corners (Black (1,1), White (8,8)) and the pieces.
Board KingsAnd(std::initializer_list<std::array<int, 3>> pieces) {
  Board board = test::EmptyBoard();
  board(1, 1) = -kKing;
  board(8, 8) = kKing;
  for (const auto& [r, c, code] : pieces) board(r, c) = code;
  return board;
}

TEST(DestinationBox, KingKnightAndPawnRectangles) {
  const struct {
    int piece, row, col;
    std::array<int, 4> box;  // rows lo..hi, columns lo..hi
  } cases[] = {
      {kKing, 8, 5, {7, 8, 3, 7}},   {-kKing, 1, 1, {1, 2, 1, 2}}, {kKnight, 2, 7, {1, 4, 5, 8}},
      {kPawn, 2, 1, {1, 1, 1, 2}},   // one step from row 1
      {-kPawn, 2, 5, {3, 4, 4, 6}},  // row + 1 first
  };
  for (const auto& c : cases) {
    const DestinationRange r = DestinationBox(c.piece, c.row, c.col);
    EXPECT_EQ((std::array{r.rowLo, r.rowHi, r.colLo, r.colHi}), c.box)
        << "piece " << c.piece << " on (" << c.row << "," << c.col << ")";
  }
}

TEST(CandidateScan, PawnGuardKeepsThePawnBehindAnUnheldFriend) {
  // The knight itself moves; the pawn behind it only once the knight is held.
  ExpectListed(BlackCandidates(test::NamedPosition("pawn_guard")),
               {{2, 3, 3, 3, false}, {2, 3, 4, 3, false}, {3, 2, 5, 3, true}});
  ExpectListed(BlackCandidates(test::NamedPosition("pawn_guard_free")),
               {{2, 3, 3, 3, true}, {2, 3, 4, 3, true}});
}

TEST(CandidateScan, StartingPositionBlackPawnStepsInBoxOrder) {
  const std::vector<MoveRecord> moves = BlackCandidates(test::StartBoard());
  ASSERT_EQ(moves.size(), 20u);
  EXPECT_EQ(moves[0], (MoveRecord{-3, 1, 2, 3, 1}));  // row 1 comes first
  EXPECT_EQ(moves[3], (MoveRecord{-3, 1, 7, 3, 8}));
  EXPECT_EQ(moves[4], (MoveRecord{-1, 2, 1, 3, 1}));
  EXPECT_EQ(moves[5], (MoveRecord{-1, 2, 1, 4, 1}));
  EXPECT_EQ(moves[12], (MoveRecord{-1, 2, 5, 3, 5}));
  EXPECT_EQ(moves[13], (MoveRecord{-1, 2, 5, 4, 5}));
}

TEST(CandidateScan, PawnAttackFilterRowsDifferBetweenThePlies) {
  // Black knight on (5,4); a hand-made White pawn on (8,4) attacks two of
  // its destinations, (7,3) and (7,5).
  const Board board = KingsAnd({{5, 4, -kKnight}, {8, 4, kPawn}});
  ASSERT_EQ(Scan(board).parse(7, 3), 0);  // knight -1, pawn +1: Black control 0
  // The reply looks for pawns on rows 1..8, the computer's own scan on 1..7 only.
  ExpectListed(BlackCandidates(board, PawnAttackFilter{true, false, 8}),
               {{5, 4, 7, 3, false}, {5, 4, 7, 5, false}, {5, 4, 6, 2, true}});
  ExpectListed(BlackCandidates(board, PawnAttackFilter{true, true, 7}),
               {{5, 4, 7, 3, true}, {5, 4, 7, 5, true}});
}

TEST(CandidateScan, PawnMayStepWhereTheEnemyHoldsOneMoreNotTwo) {
  // Black pawn (2,4) steps to (3,4): White knights on (5,3) and (5,5) bear on it;
  // (4,4) is held by nobody.
  ExpectListed(BlackCandidates(KingsAnd({{2, 4, -kPawn}, {5, 3, kKnight}})),
               {{2, 4, 3, 4, true}});
  ExpectListed(BlackCandidates(KingsAnd({{2, 4, -kPawn}, {5, 3, kKnight}, {5, 5, kKnight}})),
               {{2, 4, 3, 4, false}, {2, 4, 4, 4, true}});
}

TEST(BestReply, FirstBestReplyAndTheStartValues) {
  const struct {
    const char* position;
    MoveRecord before;
    int score;
    MoveRecord reply;
  } cases[] = {
      // Equal scores keep the first: (2,4)-(3,4) before (2,5)-(3,5), also 21.
      {"start", {}, 21, {-1, 2, 4, 3, 4}},
      // No surviving reply keeps -50 and the old record.
      {"dominated_resign", {7, 7, 7, 7, 7}, kReplyStartScore, {7, 7, 7, 7, 7}},
      // (3,1) is held twice by the rooks on row 3, which see through each
      // other, so the single step is dropped; the unscored double step counts 0.
      {"reply_zero", {}, 0, {-1, 2, 1, 4, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    Scan scan(std::string(c.position) == "start" ? test::StartBoard()
                                                 : test::NamedPosition(c.position));
    MoveRecord reply = c.before;
    const ReplyOutcome out =
        BestReply(scan.context(), scan.board, scan.parse, reply, kBlack, scan.checkState);
    EXPECT_EQ(out.replyScore, c.score);
    EXPECT_EQ(reply, c.reply);
    EXPECT_LE(out.lastCheckScore, 999);
  }
}

}  // namespace
}  // namespace bdvx
