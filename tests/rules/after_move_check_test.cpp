#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "console/virtual_console.h"
#include "placed_board.h"
#include "rules/check.h"
#include "rules/piece_moves.h"

namespace bdvx::test {
namespace {

// A CheckState row: the checking piece, its row and column, the king's row and column.
using Rec = std::array<int, 5>;

// All that a checked move leaves in the game; the defaults are a fresh game's.
struct Outcome {
  bool canceled = false;
  int score = kNoCheck, lastMover = 0, msgRow = 1;
  Rec direct{}, discovered{};  // the rows of CheckState
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
  *os << (o.canceled ? "canceled" : "stands") << ", score " << o.score << ", last mover "
      << o.lastMover << ", msgRow " << o.msgRow << ", check";
  for (const Rec& rec : {o.direct, o.discovered}) *os << " /" << ::testing::PrintToString(rec);
}

const std::vector<SoundEvent> kCheckCue = {{"wav/ENG/check.wav", true}}, kNoSound = {};

// The Black rook on (1, 5) checks the White king on (8, 5).
const std::string kRookChecks = "11k 15r 85K 51R 42B";

// One game's worth of the state AfterMoveCheck reads and writes.
struct Game {
  explicit Game(const std::string& pieces, std::string player = "W")
      : board(Pieces(pieces)), playerLetter(std::move(player)) {}

  // Puts the move on the board, as the callers do (a castling rook already
  // stands on its new square), and checks it.
  Outcome Play(int piece, int from, int to, int mode = kAnnounceMode, int rule = kRuleOrdinary) {
    board(RowOf(to), ColOf(to)) = piece;
    board(RowOf(from), ColOf(from)) = 0;
    const AfterMove out =
        AfterMoveCheck(con, board, PawnJumpRecord{}, checkState, piece, RowOf(from), ColOf(from),
                       RowOf(to), ColOf(to), rule, mode, lastMover,
                       Announcer{msgRow, voice, playerLetter});
    return {out.moveCanceled, out.checkScore, lastMover, msgRow, Row(1), Row(2)};
  }
  void Record(int k, const Rec& rec) {
    for (int c = 1; c <= 5; ++c) checkState(k, c) = rec[c - 1];
  }
  Rec Row(int k) const {
    Rec rec;
    for (int c = 1; c <= 5; ++c) rec[c - 1] = checkState(k, c);
    return rec;
  }

  VirtualConsole con;
  Board board;
  CheckTable checkState{};
  int lastMover = 0, msgRow = 1;
  std::string voice = "ENG", playerLetter;
};

TEST(AfterMoveCheck, DirectCheckIsRecordedAnnouncedAndCuedToThePlayerOnly) {
  const Rec check = {-5, 1, 5, 8, 5};
  for (const std::string player : {"W", "B"}) {
    Game game(kRookChecks, player);
    EXPECT_EQ(game.Play(-5, 18, 15),
              (Outcome{.score = kSingleCheck, .lastMover = -5, .msgRow = 2, .direct = check}));
    EXPECT_EQ(Trimmed(game.con, 2), " WHITE is in CHECK");
    EXPECT_EQ(game.con.sounds(), player == "W" ? kCheckCue : kNoSound) << player;
  }
  // Mode 2 records the check in silence.
  Game quiet(kRookChecks);
  EXPECT_EQ(quiet.Play(-5, 18, 15, kSilentMode),
            (Outcome{.score = kSingleCheck, .lastMover = -5, .direct = check}));
  EXPECT_EQ(Trimmed(quiet.con, 2), "");
}

TEST(AfterMoveCheck, AnsweringTheCheck) {
  const struct { int piece, from, to; bool canceled; } cases[] = {
      {10, 85, 75, true},   // the king stays on the rook's column
      {10, 85, 84, false},  // the king steps aside
      {5, 51, 55, false},   // a rook steps between
      {5, 51, 61, true},    // a move elsewhere
      {4, 42, 15, false}};  // the bishop takes the checker
  for (int mode : {kAnnounceMode, kSilentMode}) {
    for (const auto& c : cases) {
      Game game(kRookChecks);
      game.Record(1, {-5, 1, 5, 8, 5});
      game.lastMover = -5;
      // A cancelled move leaves the check in force; an answered one clears it.
      EXPECT_EQ(game.Play(c.piece, c.from, c.to, mode),
                (Outcome{.canceled = c.canceled, .lastMover = c.canceled ? -5 : c.piece,
                         .direct = {c.canceled ? -5 : 0, 1, 5, 8, 5}}))
          << c.from << "-" << c.to << " mode " << mode;
    }
  }
}

TEST(AfterMoveCheck, DiscoveredAndDirectCheckTogether) {
  // The knight leaves the rook's column and checks from (3, 4) as well.
  const std::string start = "15k 85R 55N 81K";
  Game game(start);
  EXPECT_EQ(game.Play(3, 55, 34), (Outcome{.score = kDoubleCheck, .lastMover = 3, .msgRow = 3,
                                           .direct = {3, 3, 4, 1, 5},
                                           .discovered = {5, 8, 5, 1, 5}}));
  EXPECT_EQ(Trimmed(game.con, 2), " BLACK is in CHECK DISCOVERED");
  EXPECT_EQ(Trimmed(game.con, 3), " BLACK is in CHECK");
  EXPECT_TRUE(game.con.sounds().empty());
  // Mode 2 gives the same score but leaves the last mover alone.
  EXPECT_EQ(Game(start).Play(3, 55, 34, kSilentMode),
            (Outcome{.score = kDoubleCheck, .direct = {3, 3, 4, 1, 5},
                     .discovered = {5, 8, 5, 1, 5}}));
}

// A move that stands or is cancelled; one that stands becomes the last
// mover. Only a cancelled castling's rook may change the board (after).
struct MoveCase {
  std::string pieces;
  int piece, from, to;
  bool canceled;
  int mode = kAnnounceMode, rule = kRuleOrdinary;
  std::string after = "";  // empty: the board with the move on it
};

void ExpectMoves(std::initializer_list<MoveCase> cases) {
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pieces << " " << c.from << "-" << c.to << " " << c.mode);
    Game game(c.pieces);
    Board moved = game.board;
    moved(RowOf(c.to), ColOf(c.to)) = c.piece;
    moved(RowOf(c.from), ColOf(c.from)) = 0;
    EXPECT_EQ(game.Play(c.piece, c.from, c.to, c.mode, c.rule).canceled, c.canceled);
    EXPECT_EQ(game.lastMover, c.canceled ? 0 : c.piece);
    EXPECT_EQ(Listed(game.board), Listed(c.after.empty() ? moved : Pieces(c.after)));
  }
}

TEST(AfterMoveCheck, PinnedPiecesMayOnlyMoveAlongThePin) {
  ExpectMoves({{"85K 75N 15r 11k", 3, 75, 54, true}, {"81K 72B 45b 17k", 4, 72, 63, false},
               {"81K 72B 45b 17k", 4, 72, 45, false},  // takes the pinning bishop
               {"81K 72B 45b 17k", 4, 72, 61, true}, {"81K 72B 45q 17k", 4, 72, 83, true}});
}

TEST(AfterMoveCheck, QueenOnAnAttackedSquare) {
  // Attacked by a knight: stands in the game, refused in the computer's trials.
  // Attacked only by the enemy king: stands in both modes.
  ExpectMoves({{"88Q 34n 81K 18k", 9, 88, 55, false},
               {"88Q 34n 81K 18k", 9, 88, 55, true, kSilentMode},
               {"88Q 44k 81K", 9, 88, 55, false}, {"88Q 44k 81K", 9, 88, 55, false, kSilentMode}});
}

TEST(AfterMoveCheck, CastlingAcrossOrOntoAnAttackedSquare) {
  // White has castled king-side; the king is the caller's to undo, the rook
  // goes back to its corner once, but never in mode 2.
  ExpectMoves(
      {{"87K 86R 11k 16r", 10, 85, 87, true, kAnnounceMode, kRuleCastle, "87K 88R 11k 16r"},
       {"87K 86R 11k 17r", 10, 85, 87, true, kAnnounceMode, kRuleCastle, "87K 88R 11k 17r"},
       {"87K 86R 11k 16r", 10, 85, 87, true, kSilentMode, kRuleCastle},
       // Queen side: the rook goes back from column 4 to column 1.
       {"83K 84R 11k 24q", 10, 85, 83, true, kAnnounceMode, kRuleCastle, "83K 81R 11k 24q"}});
}

TEST(AfterMoveCheck, TheCastlingRookGivesTheDirectCheck) {
  Game game("87K 86R 16k");
  EXPECT_EQ(game.Play(10, 85, 87, kAnnounceMode, kRuleCastle),
            (Outcome{.score = kSingleCheck, .lastMover = 10, .msgRow = 2,
                     .direct = {5, 8, 6, 1, 6}}));
  EXPECT_EQ(game.board(8, 6), 5);
}

TEST(AfterMoveCheck, CancelRestoresTheChecksInForce) {
  // Double check in force; a rook move that answers neither is cancelled and
  // both rows come back.
  Game game("85K 15r 63n 51R 11k");
  game.Record(1, {-3, 6, 3, 8, 4});
  game.Record(2, {-5, 1, 5, 8, 5});
  EXPECT_EQ(game.Play(5, 51, 41), (Outcome{.canceled = true, .direct = {-3, 6, 3, 8, 4},
                                           .discovered = {-5, 1, 5, 8, 5}}));
  // Taking the checker consumes its row, but the knight is pinned by a
  // bishop: the move is cancelled later and the row comes back.
  for (int k : {1, 2}) {
    Game pinned("85K 55r 74N 41b 11k");
    pinned.Record(k, {-5, 5, 5, 8, 5});
    EXPECT_TRUE(pinned.Play(3, 74, 55).canceled) << k;
    EXPECT_EQ(pinned.Row(k), (Rec{-5, 5, 5, 8, 5})) << k;
  }
}

TEST(AfterMoveCheck, BackRowCheckmate) {
  const std::string backRow = "17k 26p 27p 28p 51R 85K";
  Game game(backRow, "B");
  // A mate is not put on record.
  EXPECT_EQ(game.Play(5, 51, 11), (Outcome{.score = kCheckmate, .lastMover = 5, .msgRow = 3}));
  EXPECT_EQ(Trimmed(game.con, 2), " BLACK is in CHECK");
  EXPECT_EQ(Trimmed(game.con, 3), " BLACK CHECKMATED");
  EXPECT_EQ(game.con.sounds(), kCheckCue);
  // With a Black rook able to step between it is only check.
  EXPECT_EQ(Game(backRow + " 22r", "B").Play(5, 51, 11),
            (Outcome{.score = kSingleCheck, .lastMover = 5, .msgRow = 2,
                     .direct = {5, 1, 1, 1, 7}}));
}

TEST(AfterMoveCheck, MissingKingsAndSpoiltRecordsNeverCrash) {
  // No kings at all: nothing is found, the move stands unannounced.
  Game none("51R 33q");
  EXPECT_EQ(none.Play(5, 51, 55), (Outcome{.lastMover = 5}));
  EXPECT_EQ(none.con.textAt(23, 1, 18), "  FATAL ERROR: NO ");
  // Records naming squares off the board, or codes that name no piece.
  for (int mode : {kAnnounceMode, kSilentMode}) {
    Game game("85K 11k 51R");
    game.Record(1, {7, 0, 9, 12, -3});
    game.Record(2, {-5, 9, 9, 0, 0});
    Outcome out = game.Play(10, 85, 84, mode);
    EXPECT_FALSE(out.canceled) << mode;
    EXPECT_EQ(std::pair(out.direct[0], out.discovered[0]), std::pair(0, 0)) << mode;
    game.Record(1, {-2, 1, 4, 8, 4});  // a code that names no piece
    game.Record(2, {-5, 1, 5, 0, 0});  // a king square off the board
    out = game.Play(5, 51, 52, mode);
    EXPECT_FALSE(out.canceled) << mode;
    EXPECT_EQ(std::pair(out.direct[0], out.discovered[0]), std::pair(0, 0)) << mode;
  }
}

}  // namespace
}  // namespace bdvx::test
