#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/virtual_console.h"
#include "placed_board.h"
#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

using test::Placing;

const std::string kCheckCue = "wav/ENG/check.wav";

// One game's worth of the state AfterMoveCheck reads and writes.
class AfterMoveCheckTest : public ::testing::Test {
 protected:
  // Puts the move on the board, as the callers do, and checks it.
  AfterMove Move(int piece, int fromRow, int fromCol, int toRow, int toCol,
                 int mode = kAnnounceMode, int ruleResult = kRuleOrdinary) {
    board(toRow, toCol) = piece;
    board(fromRow, fromCol) = 0;
    const Announcer announcer{msgRow, voice, playerLetter};
    return AfterMoveCheck(con, board, PawnJumpRecord{}, checkState, piece, fromRow, fromCol,
                          toRow, toCol, ruleResult, mode, lastMover, announcer);
  }

  void Record(int row, int piece, int fromRow, int fromCol, int kingRow, int kingCol) {
    checkState(row, 1) = piece;
    checkState(row, 2) = fromRow;
    checkState(row, 3) = fromCol;
    checkState(row, 4) = kingRow;
    checkState(row, 5) = kingCol;
  }

  std::vector<int> Row(int row) const {
    std::vector<int> values;
    for (int c = 1; c <= 5; ++c) values.push_back(checkState(row, c));
    return values;
  }

  std::string Text(int row, int length) const { return con.textAt(row, 1, length); }

  VirtualConsole con;
  Board board = test::EmptyBoard();
  CheckTable checkState{};
  int lastMover = 0;
  int msgRow = 1;
  std::string voice = "ENG";
  std::string playerLetter = "W";
};

// The Black rook has just come to (1, 5), checking the White king on (8, 5).
Board RookChecks() {
  return Placing({{1, 1, -10}, {1, 5, -5}, {8, 5, 10}, {5, 1, 5}, {4, 2, 4}});
}

TEST_F(AfterMoveCheckTest, DirectCheckIsRecordedAnnouncedAndCued) {
  board = RookChecks();
  board(1, 5) = 0;
  board(1, 8) = -5;
  const AfterMove out = Move(-5, 1, 8, 1, 5);
  EXPECT_FALSE(out.moveCanceled);
  EXPECT_EQ(out.checkScore, kSingleCheck);
  EXPECT_EQ(Row(1), (std::vector<int>{-5, 1, 5, 8, 5}));
  EXPECT_EQ(Row(2)[0], 0);
  EXPECT_EQ(lastMover, -5);
  EXPECT_EQ(msgRow, 2);
  EXPECT_EQ(Text(2, 26), " WHITE is in CHECK        ");
  EXPECT_EQ(con.sounds(), (std::vector<SoundEvent>{{kCheckCue, true}}));
}

TEST_F(AfterMoveCheckTest, NoCueWhenTheComputerIsInCheckAndSilenceInMode2) {
  playerLetter = "B";
  board = RookChecks();
  Move(-5, 1, 8, 1, 5);
  EXPECT_EQ(Text(2, 19), " WHITE is in CHECK ");
  EXPECT_TRUE(con.sounds().empty());

  checkState = CheckTable{};
  msgRow = 1;
  VirtualConsole quiet;
  board = RookChecks();
  const Announcer announcer{msgRow, voice, playerLetter};
  const AfterMove out = AfterMoveCheck(quiet, board, PawnJumpRecord{}, checkState, -5, 1, 8, 1,
                                       5, kRuleOrdinary, kSilentMode, lastMover, announcer);
  EXPECT_EQ(out.checkScore, kSingleCheck);
  EXPECT_EQ(Row(1), (std::vector<int>{-5, 1, 5, 8, 5}));
  EXPECT_EQ(msgRow, 1);
  EXPECT_EQ(quiet.rowText(2), std::string(80, ' '));
}

TEST_F(AfterMoveCheckTest, AnsweringTheCheck) {
  struct Case {
    int piece, fromRow, fromCol, toRow, toCol;
    bool canceled;
  };
  const Case cases[] = {
      {10, 8, 5, 7, 5, true},   // the king stays on the rook's column
      {10, 8, 5, 8, 4, false},  // the king steps aside
      {5, 5, 1, 5, 5, false},   // a rook steps between
      {5, 5, 1, 6, 1, true},    // a move elsewhere
      {4, 4, 2, 1, 5, false},   // the bishop takes the checker
  };
  for (int mode : {kAnnounceMode, kSilentMode}) {
    for (const Case& c : cases) {
      board = RookChecks();
      Record(1, -5, 1, 5, 8, 5);
      lastMover = -5;
      const AfterMove out = Move(c.piece, c.fromRow, c.fromCol, c.toRow, c.toCol, mode);
      const std::string what = std::to_string(c.toRow) + std::to_string(c.toCol);
      EXPECT_EQ(out.moveCanceled, c.canceled) << what << " mode " << mode;
      // A cancelled move leaves the check in force; an answered one clears it.
      EXPECT_EQ(Row(1), (std::vector<int>{c.canceled ? -5 : 0, 1, 5, 8, 5})) << what;
      EXPECT_EQ(lastMover, c.canceled ? -5 : c.piece) << what;
    }
  }
}

TEST_F(AfterMoveCheckTest, DiscoveredAndDirectCheckTogether) {
  // The knight leaves the rook's column and checks from (3, 4) as well.
  const Board start = Placing({{1, 5, -10}, {8, 5, 5}, {5, 5, 3}, {8, 1, 10}});
  board = start;
  AfterMove out = Move(3, 5, 5, 3, 4);
  EXPECT_FALSE(out.moveCanceled);
  EXPECT_EQ(out.checkScore, kDoubleCheck);
  EXPECT_EQ(Row(1), (std::vector<int>{3, 3, 4, 1, 5}));
  EXPECT_EQ(Row(2), (std::vector<int>{5, 8, 5, 1, 5}));
  EXPECT_EQ(Text(2, 29), " BLACK is in CHECK DISCOVERED");
  EXPECT_EQ(con.textAt(2, 30, 51), std::string(51, ' '));
  EXPECT_EQ(Text(3, 26), " BLACK is in CHECK        ");
  EXPECT_EQ(msgRow, 3);
  EXPECT_EQ(lastMover, 3);
  EXPECT_TRUE(con.sounds().empty());

  // Mode 2 gives the same score but leaves the last mover alone.
  board = start;
  checkState = CheckTable{};
  lastMover = 0;
  out = Move(3, 5, 5, 3, 4, kSilentMode);
  EXPECT_EQ(out.checkScore, kDoubleCheck);
  EXPECT_EQ(lastMover, 0);
  EXPECT_EQ(msgRow, 3);
}

TEST_F(AfterMoveCheckTest, PinnedPiecesMayOnlyMoveAlongThePin) {
  const Board knight = Placing({{8, 5, 10}, {7, 5, 3}, {1, 5, -5}, {1, 1, -10}});
  board = knight;
  EXPECT_TRUE(Move(3, 7, 5, 5, 4).moveCanceled);
  EXPECT_EQ(lastMover, 0);

  const Board bishop = Placing({{8, 1, 10}, {7, 2, 4}, {4, 5, -4}, {1, 7, -10}});
  board = bishop;
  EXPECT_FALSE(Move(4, 7, 2, 6, 3).moveCanceled);
  board = bishop;
  EXPECT_FALSE(Move(4, 7, 2, 4, 5).moveCanceled);
  board = bishop;
  EXPECT_TRUE(Move(4, 7, 2, 6, 1).moveCanceled);
  board = bishop;
  board(4, 5) = -9;
  EXPECT_TRUE(Move(4, 7, 2, 8, 3).moveCanceled);
}

// White has castled king-side: king on (8, 7), rook on (8, 6).
Board Castled() { return Placing({{8, 7, 10}, {8, 6, 5}, {1, 1, -10}}); }

TEST_F(AfterMoveCheckTest, CastlingAcrossOrOntoAnAttackedSquare) {
  for (const int col : {6, 7}) {
    board = Castled();
    board(1, col) = -5;
    const AfterMove out = AfterMoveCheck(
        con, board, PawnJumpRecord{}, checkState, 10, 8, 5, 8, 7, kRuleCastle, kAnnounceMode,
        lastMover, Announcer{msgRow, voice, playerLetter});
    EXPECT_TRUE(out.moveCanceled) << col;
    EXPECT_EQ(board(8, 8), 5) << col;  // the rook is back in its corner, once
    EXPECT_EQ(board(8, 6), 0) << col;
    EXPECT_EQ(board(8, 7), 10) << col;  // the king is the caller's to undo
  }
  // Mode 2 never moves the rook back.
  board = Castled();
  board(1, 6) = -5;
  const AfterMove out = AfterMoveCheck(con, board, PawnJumpRecord{}, checkState, 10, 8, 5, 8, 7,
                                       kRuleCastle, kSilentMode, lastMover,
                                       Announcer{msgRow, voice, playerLetter});
  EXPECT_TRUE(out.moveCanceled);
  EXPECT_EQ(board(8, 6), 5);
  EXPECT_EQ(board(8, 8), 0);

  // Queen side: the rook goes back from column 4 to column 1.
  board = Placing({{8, 3, 10}, {8, 4, 5}, {1, 1, -10}, {2, 4, -9}});
  EXPECT_TRUE(AfterMoveCheck(con, board, PawnJumpRecord{}, checkState, 10, 8, 5, 8, 3,
                             kRuleCastle, kAnnounceMode, lastMover,
                             Announcer{msgRow, voice, playerLetter})
                  .moveCanceled);
  EXPECT_EQ(board(8, 1), 5);
  EXPECT_EQ(board(8, 4), 0);
  EXPECT_EQ(lastMover, 0);
}

TEST_F(AfterMoveCheckTest, TheCastlingRookGivesTheDirectCheck) {
  board = Castled();
  board(1, 1) = 0;
  board(1, 6) = -10;
  const AfterMove out = AfterMoveCheck(con, board, PawnJumpRecord{}, checkState, 10, 8, 5, 8, 7,
                                       kRuleCastle, kAnnounceMode, lastMover,
                                       Announcer{msgRow, voice, playerLetter});
  EXPECT_FALSE(out.moveCanceled);
  EXPECT_EQ(out.checkScore, kSingleCheck);
  EXPECT_EQ(Row(1), (std::vector<int>{5, 8, 6, 1, 6}));
  EXPECT_EQ(lastMover, 10);
  EXPECT_EQ(board(8, 6), 5);
}

TEST_F(AfterMoveCheckTest, QueenOnAnAttackedSquare) {
  // Attacked by a knight: stands in the game, refused in the computer's trials.
  const Board knight = Placing({{8, 8, 9}, {3, 4, -3}, {8, 1, 10}, {1, 8, -10}});
  board = knight;
  EXPECT_FALSE(Move(9, 8, 8, 5, 5).moveCanceled);
  board = knight;
  EXPECT_TRUE(Move(9, 8, 8, 5, 5, kSilentMode).moveCanceled);

  // Attacked only by the enemy king: stands in both modes.
  const Board king = Placing({{8, 8, 9}, {4, 4, -10}, {8, 1, 10}});
  board = king;
  EXPECT_FALSE(Move(9, 8, 8, 5, 5).moveCanceled);
  board = king;
  EXPECT_FALSE(Move(9, 8, 8, 5, 5, kSilentMode).moveCanceled);
}

TEST_F(AfterMoveCheckTest, CancelRestoresTheChecksInForce) {
  // Double check in force; a rook move that answers neither is cancelled and
  // both rows come back.
  board = Placing({{8, 5, 10}, {1, 5, -5}, {6, 3, -3}, {5, 1, 5}, {1, 1, -10}});
  Record(1, -3, 6, 3, 8, 4);
  Record(2, -5, 1, 5, 8, 5);
  const AfterMove out = Move(5, 5, 1, 4, 1);
  EXPECT_TRUE(out.moveCanceled);
  EXPECT_EQ(Row(1), (std::vector<int>{-3, 6, 3, 8, 4}));
  EXPECT_EQ(Row(2), (std::vector<int>{-5, 1, 5, 8, 5}));
  EXPECT_EQ(msgRow, 1);

  // Taking the checker consumes its row, but the knight is pinned by a
  // bishop: the move is cancelled later and the row comes back.
  for (int row : {1, 2}) {
    board = Placing({{8, 5, 10}, {5, 5, -5}, {7, 4, 3}, {4, 1, -4}, {1, 1, -10}});
    checkState = CheckTable{};
    Record(row, -5, 5, 5, 8, 5);
    EXPECT_TRUE(Move(3, 7, 4, 5, 5).moveCanceled);
    EXPECT_EQ(Row(row), (std::vector<int>{-5, 5, 5, 8, 5})) << row;
  }
}

TEST_F(AfterMoveCheckTest, BackRowCheckmate) {
  playerLetter = "B";
  board = Placing({{1, 7, -10}, {2, 6, -1}, {2, 7, -1}, {2, 8, -1}, {5, 1, 5}, {8, 5, 10}});
  AfterMove out = Move(5, 5, 1, 1, 1);
  EXPECT_EQ(out.checkScore, kCheckmate);
  EXPECT_FALSE(out.moveCanceled);
  EXPECT_EQ(Text(2, 26), " BLACK is in CHECK        ");
  EXPECT_EQ(Text(3, 39), " BLACK CHECKMATED                      ");
  EXPECT_EQ(msgRow, 3);
  EXPECT_EQ(Row(1)[0], 0);  // a mate is not put on record
  EXPECT_EQ(con.sounds(), (std::vector<SoundEvent>{{"wav/ENG/check.wav", true}}));

  // With a Black rook able to step between it is only check.
  board = Placing({{1, 7, -10}, {2, 6, -1}, {2, 7, -1}, {2, 8, -1}, {5, 1, 5}, {8, 5, 10},
                   {2, 2, -5}});
  checkState = CheckTable{};
  out = Move(5, 5, 1, 1, 1);
  EXPECT_EQ(out.checkScore, kSingleCheck);
  EXPECT_EQ(Row(1), (std::vector<int>{5, 1, 1, 1, 7}));
}

TEST_F(AfterMoveCheckTest, MissingKingsAndSpoiltRecordsNeverCrash) {
  // No kings at all: nothing is found, the move stands unannounced.
  board = Placing({{5, 1, 5}, {3, 3, -9}});
  AfterMove out = Move(5, 5, 1, 5, 5);
  EXPECT_FALSE(out.moveCanceled);
  EXPECT_EQ(out.checkScore, kNoCheck);
  EXPECT_EQ(con.textAt(23, 1, 18), "  FATAL ERROR: NO ");

  // Records naming squares off the board, or codes that name no piece.
  for (int mode : {kAnnounceMode, kSilentMode}) {
    board = Placing({{8, 5, 10}, {1, 1, -10}, {5, 1, 5}});
    Record(1, 7, 0, 9, 12, -3);
    Record(2, -5, 9, 9, 0, 0);
    out = Move(10, 8, 5, 8, 4, mode);
    EXPECT_FALSE(out.moveCanceled);
    EXPECT_EQ(Row(1)[0], 0);
    EXPECT_EQ(Row(2)[0], 0);

    Record(1, -2, 1, 4, 8, 4);   // a code that names no piece
    Record(2, -5, 1, 5, 0, 0);   // a king square off the board
    out = Move(5, 5, 1, 5, 2, mode);
    EXPECT_FALSE(out.moveCanceled);
    EXPECT_EQ(Row(1)[0], 0);
    EXPECT_EQ(Row(2)[0], 0);
  }
}

}  // namespace
}  // namespace bdvx
