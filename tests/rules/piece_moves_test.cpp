#include <gtest/gtest.h>

#include <initializer_list>

#include "placed_board.h"
#include "rules/piece_moves.h"

namespace bdvx::test {
namespace {

constexpr int kUntouched = -7;  // what Rule puts in result before asking
constexpr int kAnyFlag = -1;    // a case that does not look at the flag coming out

struct Step { int result, flag; };

// The rule's answer for a step, with the capture flag going in and out.
Step Rule(int piece, int from, int to, int flag = 0, int castleAllowed = 0) {
  int result = kUntouched;
  TestPieceMove(piece, RowOf(from), ColOf(from), RowOf(to), ColOf(to), result, flag,
                castleAllowed);
  return {result, flag};
}

struct RuleCase { int piece, from, to, result, flagIn = 0, castle = 0, flagOut = kAnyFlag; };

void ExpectRules(std::initializer_list<RuleCase> cases) {
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.piece << " " << c.from << "-" << c.to);
    const Step step = Rule(c.piece, c.from, c.to, c.flagIn, c.castle);
    EXPECT_EQ(step.result, c.result);
    if (c.flagOut != kAnyFlag) { EXPECT_EQ(step.flag, c.flagOut) << "flag"; }
  }
}

TEST(TestPieceMove, EmptyCodeWritesNothing) { ExpectRules({{0, 75, 55, kUntouched, 1, 1, 1}}); }

TEST(TestPieceMove, CodesThatNameNoPieceNeverMove) {
  for (int code : {2, 6, 7, 8, 11, -2, -6, -8, -11, 99}) {
    EXPECT_EQ(Rule(code, 44, 55).result, kRuleNeverMoves) << code;
    EXPECT_EQ(Rule(code, 44, 45).result, kRuleNeverMoves) << code;
  }
}

TEST(TestPieceMove, PawnSteps) {
  ExpectRules({
      // Two squares only from the home row, marked in the capture flag.
      {1, 75, 55, kRuleOrdinary, 0, 0, kCapturePawnJump},
      {1, 65, 45, kRuleNotAMove, 0, 0, kCaptureNone},
      {-1, 23, 43, kRuleOrdinary, 0, 0, kCapturePawnJump}, {-1, 33, 53, kRuleNotAMove},
      {1, 75, 65, kRuleOrdinary}, {-1, 45, 55, kRuleOrdinary},
      // Backward and sideways steps.
      {1, 65, 75, kRuleNotAMove}, {-1, 55, 45, kRuleNotAMove}, {1, 65, 66, kRuleNotAMove, 1},
      // Diagonal only with the capture flag, and never two squares.
      {1, 65, 56, kRuleNotAMove}, {1, 65, 56, kRuleOrdinary, 1}, {-1, 25, 47, kRuleNotAMove, 1},
      // The far row, straight or diagonal.
      {1, 24, 14, kRulePromotion}, {1, 24, 13, kRulePromotion, 1}, {-1, 74, 84, kRulePromotion}});
}

TEST(TestPieceMove, OfficersGeometry) {
  ExpectRules({{3, 55, 34, kRuleOrdinary}, {-3, 55, 67, kRuleOrdinary}, {3, 55, 33, kRuleNotAMove},
               {4, 81, 18, kRuleOrdinary}, {4, 55, 55, kRuleNotAMove}, {4, 55, 45, kRuleNotAMove},
               {5, 55, 51, kRuleOrdinary}, {5, 55, 44, kRuleNotAMove}, {9, 55, 58, kRuleOrdinary},
               {-9, 55, 22, kRuleOrdinary},  // bishop rule after the rook rule
               {9, 55, 34, kRuleNotAMove}});  // no knight's jump
}

TEST(TestPieceMove, KingStepsAndBackRowJumps) {
  ExpectRules({{10, 55, 44, kRuleOrdinary}, {10, 85, 87, kRuleCastle, 0, 1},
               {10, 85, 87, kRuleCastleRefused, 0, 0}, {10, 85, 88, kRuleCastleRefused, 0, 1},
               {-10, 15, 13, kRuleCastle, 0, 1},
               {10, 15, 17, kRuleCastle, 0, 1},  // no colour test: a White king on row 1 jumps
               {10, 75, 77, kRuleNotAMove, 0, 1}, {10, 84, 86, kRuleNotAMove, 0, 1},
               {10, 85, 65, kRuleNotAMove, 0, 1}});
}

PawnCapture Capture(const Board& board, const PawnJumpRecord& jump, int from, int to) {
  return TestPawnCapture(board, jump, RowOf(from), ColOf(from), RowOf(to), ColOf(to));
}

TEST(TestPawnCapture, EnemyOnTheDiagonalOrThePassedSquare) {
  const PawnJumpRecord none{}, jump{1, 6, 4};  // a White pawn has just jumped 74-54
  const Board board = Pieces("53p 62N 64b 44P"), passed = Pieces("53p 54P");
  EXPECT_EQ(Capture(board, none, 53, 62).captureFlag, kCaptureDiagonal);
  EXPECT_EQ(Capture(board, none, 53, 64).captureFlag, kCaptureNone);  // own piece
  EXPECT_EQ(Capture(board, none, 53, 44).captureFlag, kCaptureDiagonal);
  // The capture test looks at the board only; the rule still refuses backward.
  EXPECT_EQ(Rule(-1, 53, 44, 1).result, kRuleNotAMove);
  const PawnCapture ep = Capture(passed, jump, 53, 64);
  EXPECT_EQ(ep.captureFlag, kCaptureDiagonal);
  EXPECT_EQ(ep.enPassantPiece, 1);
  EXPECT_EQ(Rule(-1, 53, 64, ep.captureFlag).result, kRuleOrdinary);
  EXPECT_EQ(Capture(passed, none, 53, 64).captureFlag, kCaptureNone);
  // Only a pawn on the from-square asks.
  EXPECT_EQ(Capture(Pieces("53n 54P"), jump, 53, 64).captureFlag, kCaptureNone);
}

// A TestPathClear call and the board it leaves (nullptr: the board as it was).
struct PathCase {
  const char* pieces;
  int piece, from, to, rule, clear;
  const char* after = nullptr;
  int mode = kMoveMode;
};

void ExpectPaths(std::initializer_list<PathCase> cases) {
  for (const PathCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pieces << " " << c.from << "-" << c.to);
    Board board = Pieces(c.pieces);
    EXPECT_EQ(TestPathClear(board, c.piece, RowOf(c.from), ColOf(c.from), RowOf(c.to),
                            ColOf(c.to), c.rule, c.mode), c.clear);
    EXPECT_EQ(Listed(board), Listed(Pieces(c.after != nullptr ? c.after : c.pieces)));
  }
}

TEST(TestPathClear, PawnBlockedStraightOnly) {
  const char* knights = "75P 65n 66n";
  ExpectPaths({{knights, 1, 75, 55, kRuleOrdinary, 0}, {knights, 1, 75, 65, kRuleOrdinary, 0},
               {knights, 1, 75, 66, kRuleOrdinary, 1}, {"75P 55p", 1, 75, 55, kRuleOrdinary, 0},
               {"75P", 1, 75, 55, kRuleOrdinary, 1}, {"23p 33B", -1, 23, 43, kRuleOrdinary, 0}});
}

TEST(TestPathClear, SlidersAndKnights) {
  const Board board = Pieces("55R 52p 35P 33P 77p");
  const struct { int piece, from, to, clear; } cases[] = {
      // Rook along the row and the column, both ways; the blocker's own square is reached.
      {5, 55, 51, 0}, {5, 55, 52, 1}, {5, 55, 58, 1}, {5, 55, 15, 0}, {5, 55, 45, 1},
      {5, 55, 85, 1},
      // Bishop walks from either end.
      {4, 55, 11, 0}, {4, 11, 55, 0}, {4, 55, 88, 0}, {4, 88, 55, 0}, {4, 55, 28, 1},
      {4, 55, 44, 1},
      // The queen takes the walk of its direction.
      {-9, 55, 15, 0}, {-9, 55, 11, 0}, {-9, 55, 82, 1},
      // Knights jump; codes that name no piece are never blocked.
      {3, 55, 34, 1}, {7, 55, 51, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(TestPathClearAttack(board, c.piece, RowOf(c.from), ColOf(c.from), RowOf(c.to),
                                  ColOf(c.to), kRuleOrdinary), c.clear) << c.piece << " " << c.to;
  }
}

// White's castling position, with the squares between free.
constexpr const char* kCastle = "85K 88R 81R";

TEST(TestPathClear, CastlingNeedsTheRowsRookAndFreeSquares) {
  // With rule 4 the board stays as it is: the caller moves the rook itself.
  const auto white = [](const char* pieces, int to, int clear) {
    return PathCase{pieces, 10, 85, to, kRuleCastle, clear};
  };
  ExpectPaths({white(kCastle, 87, 1), white(kCastle, 83, 1), white("85K 81R", 87, 0),
               white("85K 88r 81R", 87, 0), white("85K 88R 81R 86N", 87, 0),
               white("85K 88R 81R 87n", 87, 0),  // castling never takes a piece
               // Queen side: columns 2, 3 and 4 must be free.
               white("85K 88R 81R 82N", 83, 0), white("85K 88R 81R 84Q", 83, 0),
               white("85K 88R 81R 83b", 83, 0),
               // Black castles with the rook -5 on row 1.
               {"15k 11r 18R", -10, 15, 13, kRuleCastle, 1},
               {"15k 11r 18R", -10, 15, 17, kRuleCastle, 0}});
}

TEST(TestPathClear, OnlyAMoveModeJumpOtherThan4MovesTheRook) {
  ExpectPaths({{kCastle, 10, 85, 87, kRuleCastleRefused, 1, "85K 86R 81R"},
               {kCastle, 10, 85, 83, kRuleCastleRefused, 1, "85K 84R 88R"},
               // A blocked try moves nothing; attack mode refuses every jump.
               {"85K 88R 81R 86N", 10, 85, 87, kRuleCastleRefused, 0},
               {kCastle, 10, 85, 87, kRuleCastleRefused, 0, nullptr, kAttackMode},
               // A jump over a piece is blocked before anything else is asked.
               {"85K 88R 81R 82N", 10, 85, 81, kRuleCastleRefused, 0}});
  EXPECT_EQ(TestPathClearAttack(Pieces(kCastle), 10, 8, 5, 8, 7, kRuleCastle), 0);
  // An ordinary king step is never blocked, not even in attack mode.
  EXPECT_EQ(TestPathClearAttack(Pieces(kCastle), 10, 8, 5, 7, 4, kRuleOrdinary), 1);
}

}  // namespace
}  // namespace bdvx::test
