// The player's move refused in the validation's fixed order, each reason on
// row 23 character for character, and the accepted move handed on.
#include <gtest/gtest.h>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

struct Refusal {
  const char* move;  // the player's entry on the starting board
  const char* message;
  void (*setup)(GameState&) = nullptr;
  int computerSide = kBlack;
};

const char* const kCastleTry = "  ILLEGAL Castle Try - In check or already moved King/Rook";
const char* const kCastlePath = "  ILLEGAL: WK path blocked or Illegal CASTLE try.     ";
void NoBishopNorKnight(GameState& g) { g.GameBoard(8, 6) = g.GameBoard(8, 7) = kEmpty; }

const Refusal kRefusals[] = {
    // The side that moved last is told whose move it is.
    {"WP 75 55", "  It is BLACK'S move.             ",
     [](GameState& g) { g.LastMoverSide = kKing; }},
    {"BP 25 45", "  It is WHITE'S move.             ",
     [](GameState& g) { g.LastMoverSide = -kPawn; }, kWhite},
    // A square off the board repeats the entered piece.
    {"WP 75 95", "  Invalid input or Off Board. Style: WP 75 55"},
    {"WN 02 63", "  Invalid input or Off Board. Style: WN 75 55"},
    {"WP 75 75", "  TO and FROM squares identical - try again  "},
    {"WN 75 55", "  WHITE KNIGHT NOT at ( 7 5) ... Check board.         "},
    {"WR 81 71", "  ILLEGAL: Own piece at destination.       "},
    // Only a doctored board can hold a code that names no piece; the filler
    // text gives -2.
    {":: 31 41", "  INVALID PIECE:::",
     [](GameState& g) { g.LastMoverSide = kPawn; g.GameBoard(3, 1) = -2; }, kWhite},
    // Outside the piece's rule: a pawn three squares, a knight as a bishop.
    {"WP 75 45", "  ILLEGAL: A WP cannot move ( 7, 5) To ( 4, 5)        "},
    {"WN 82 64", "  ILLEGAL: A WN can NEVER move ( 8, 2) To ( 6, 4)        "},
    // A pawn straight onto a piece passes its rule but not the path test.
    {"WP 75 65", "  ILLEGAL: WP path blocked or Illegal CASTLE try.     ",
     [](GameState& g) { g.GameBoard(6, 5) = -kKnight; }},
    // Castling without the right or in check; with the right, the bishop
    // still on (8, 6) blocks the path.
    {"WK 85 87", kCastleTry, [](GameState& g) { NoBishopNorKnight(g); g.WhiteKingSideOK = 0; }},
    {"WK 85 87", kCastleTry, [](GameState& g) {
       NoBishopNorKnight(g);
       g.CheckState(kDiscoveredCheckRow, kCheckPiece) = -kRook;
     }},
    {"WK 85 87", kCastlePath, [](GameState& g) { g.GameBoard(8, 7) = kEmpty; }},
};

TEST(Validation, RefusalsLeaveOneMessageOnRow23AndNothingElseChanged) {
  for (const Refusal& c : kRefusals) {
    SCOPED_TRACE(::testing::Message() << "case " << &c - kRefusals << ": " << c.move);
    MoveGame game(StartBoard(), c.computerSide);
    if (c.setup) c.setup(game.g);
    game.Smear(23);
    const Board before = game.g.GameBoard;
    EXPECT_EQ(game.Enter(c.move), Step::PlayerPrompt);
    EXPECT_EQ(game.con.rowText(23), OverSmear(c.message));
    EXPECT_EQ(game.g.GameBoard, before);
    EXPECT_EQ(std::tuple(game.g.MsgRow, game.g.HistoryCount), std::tuple(1, 0));
  }
}

TEST(Validation, AcceptedMoveClearsTheMessageColumn) {
  MoveGame game(StartBoard());
  game.g.MsgRow = 6;
  for (int row = 2; row <= 7; ++row) game.Smear(row, 60);
  EXPECT_EQ(game.Enter("P  75 55"), Step::MoveExecution);
  EXPECT_EQ(std::tuple(game.g.MovePiece, game.g.FromRow, game.g.FromCol, game.g.ToRow,
                       game.g.ToCol, game.g.MsgRow),
            std::tuple(kPawn, 7, 5, 5, 5, 1));
  const std::string cleared = std::string(49, ' ') + std::string(11, 'x') + std::string(20, ' ');
  for (int row = 2; row <= 7; ++row) EXPECT_EQ(game.con.rowText(row), cleared) << "row " << row;
  EXPECT_EQ(game.g.GameBoard, StartBoard());  // the validation only looks
}

TEST(Validation, CastlingPathTestLeavesTheRookInItsCorner) {
  MoveGame game(KingsWith({"WR 88"}));
  EXPECT_EQ(game.Enter("WK 85 87"), Step::MoveExecution);
  EXPECT_EQ(game.g.GameBoard, KingsWith({"WR 88"}));
}

}  // namespace
}  // namespace bdvx::test
