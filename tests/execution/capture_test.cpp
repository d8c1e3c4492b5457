// Captures: the announcement and the player's cues, points, the capture
// lists and their 15 slots, en passant, and the king capture that ends the
// game.
#include <gtest/gtest.h>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

TEST(Capture, PlayerTakingACounts) {
  Board board = KingsOnly();
  board(8, 1) = kRook;
  board(3, 1) = -kKnight;
  MoveGame game(board);
  EXPECT_EQ(game.Player("WR", 8, 1, 3, 1), Step::TurnTop);
  const std::string message = " A BLACK KNIGHT captured.             ";
  EXPECT_EQ(game.Row(3, message.size()), message);
  EXPECT_TRUE(game.con.sounds().empty());  // the computer's loss is silent
  EXPECT_EQ(game.g.Points, 3);
  EXPECT_EQ(game.g.CaptureGain, 3);
  EXPECT_EQ(game.g.PlayerCaptureCount, 1);
  EXPECT_EQ(game.g.PlayerCaptures[1], "BN");
  EXPECT_EQ(game.g.ComputerCaptureCount, 0);
  EXPECT_EQ(game.g.GameBoard(3, 1), kRook);
}

TEST(Capture, PlayerLosingAPieceHearsItNamed) {
  Board board = KingsOnly();
  board(4, 4) = -kQueen;
  board(6, 4) = kKnight;
  MoveGame game(board);
  game.g.Voice = "SPA";
  EXPECT_EQ(game.Computer(-kQueen, 4, 4, 6, 4), Step::TurnTop);
  EXPECT_EQ(game.Trimmed(3), " A WHITE KNIGHT captured.");
  const std::vector<SoundEvent> expected = {{"wav/SPA/CAPTURE.wav", true},
                                            {"wav/SPA/KNIGHT.wav", true}};
  EXPECT_EQ(game.con.sounds(), expected);
  EXPECT_EQ(game.g.Points, -3);
  EXPECT_EQ(game.g.ComputerCaptureCount, 1);
  EXPECT_EQ(game.g.ComputerCaptures[1], "WN");
  EXPECT_EQ(game.g.PlayerCaptureCount, 0);
}

TEST(Capture, SixteenthCaptureKeepsTheFullListInBounds) {
  Board board = KingsOnly();
  board(8, 1) = kRook;
  board(3, 1) = -kKnight;
  MoveGame game(board);
  game.g.PlayerCaptures.fill("BP");
  game.g.PlayerCaptureCount = kCaptureSlots;
  game.Player("WR", 8, 1, 3, 1);
  EXPECT_EQ(game.g.PlayerCaptureCount, 15);
  EXPECT_EQ(game.g.PlayerCaptures[15], "BP");
  EXPECT_EQ(game.g.Points, 3);  // the points still count
}

TEST(Capture, TakingAKingEndsTheGameWithTheBoardUnchanged) {
  Board board = KingsOnly();
  board(5, 5) = kRook;
  MoveGame game(board);
  EXPECT_EQ(game.Player("WR", 5, 5, 1, 5), Step::EndGame);
  EXPECT_EQ(game.g.GameBoard, board);
  EXPECT_EQ(game.Trimmed(3), " A BLACK KING   captured.");
  EXPECT_EQ(game.g.HistoryCount, 1);
  EXPECT_EQ(game.g.PlayerCaptureCount, 0);
  EXPECT_EQ(game.g.Points, 0);
}

// White pawn (7, 4) beside nothing, Black pawn waiting on (5, 3).
Board EnPassantBoard() {
  Board board = KingsOnly();
  board(7, 4) = kPawn;
  board(5, 3) = -kPawn;
  return board;
}

TEST(EnPassant, TwoSquareStepIsRememberedAndTakenOnce) {
  MoveGame game(EnPassantBoard());
  game.Player("WP", 7, 4, 5, 4);
  EXPECT_EQ(game.g.PawnJump, (PawnJumpRecord{1, 6, 4}));
  EXPECT_EQ(game.Computer(-kPawn, 5, 3, 6, 4), Step::TurnTop);
  EXPECT_EQ(game.Trimmed(4), " En Passent capture of PAWN.");
  EXPECT_EQ(game.g.GameBoard(5, 4), kEmpty);
  EXPECT_EQ(game.g.GameBoard(6, 4), -kPawn);
  EXPECT_EQ(game.g.Points, -1);  // ComputerSide x the White pawn
  EXPECT_EQ(game.g.ComputerCaptureCount, 1);
  EXPECT_EQ(game.g.ComputerCaptures[1], "WP");
  EXPECT_EQ(game.g.PawnJump, PawnJumpRecord{});
  EXPECT_TRUE(game.con.sounds().empty());  // no cue for an en-passant loss
}

TEST(EnPassant, AnyOtherMoveForgetsThePawn) {
  MoveGame game(EnPassantBoard());
  game.Player("WP", 7, 4, 5, 4);
  game.Computer(-kKing, 1, 5, 1, 4);
  EXPECT_EQ(game.g.PawnJump, PawnJumpRecord{});
  // Too late now: the diagonal step onto an empty square is no pawn move.
  game.Computer(-kPawn, 5, 3, 6, 4);
  EXPECT_EQ(game.Trimmed(23), "  ILLEGAL: NOT in set of moves for BP");
  EXPECT_EQ(game.g.GameBoard(5, 4), kPawn);
}

TEST(EnPassant, OwnRememberedPawnCutsTheMoveShort) {
  // The pawn on (7, 4) shields its king from the bishop: its jump is
  // cancelled but leaves PawnJump set, and the player's next pawn move then
  // stops before the capture list, the PawnJump reset and the praise.
  Board board = KingsOnly();
  board(7, 4) = kPawn;
  board(4, 1) = -kBishop;
  board(6, 7) = kPawn;
  board(5, 8) = -kKnight;
  MoveGame game(board);
  EXPECT_EQ(game.Player("WP", 7, 4, 5, 4), Step::PlayerPrompt);
  EXPECT_EQ(game.g.GameBoard, board);
  EXPECT_EQ(game.g.PawnJump, (PawnJumpRecord{1, 6, 4}));
  game.g.HintMove = {kPawn, 6, 7, 5, 8};
  EXPECT_EQ(game.Retry("WP", 6, 7, 5, 8), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard(5, 8), kPawn);
  EXPECT_EQ(game.g.Points, 3);
  EXPECT_EQ(game.g.PlayerCaptureCount, 0);
  EXPECT_EQ(game.g.PawnJump, (PawnJumpRecord{1, 6, 4}));
  EXPECT_TRUE(game.con.sounds().empty());
}

TEST(Capture, CancelledCaptureIsNotListedByTheNextTryOfTheSameTurn) {
  // A capture taken back for check took nothing: the player's next try of
  // that turn, which stands, adds nothing to the capture list.
  Board board = EmptyBoard();
  board(1, 1) = -kKing;
  board(2, 5) = -kRook;
  board(5, 4) = -kPawn;
  board(7, 5) = kKnight;
  board(8, 5) = kKing;
  MoveGame game(board);
  EXPECT_EQ(game.Player("WN", 7, 5, 5, 4), Step::PlayerPrompt);
  EXPECT_EQ(game.g.GameBoard, board);
  EXPECT_EQ(game.Retry("WK", 8, 5, 8, 4), Step::TurnTop);
  EXPECT_EQ(game.g.Points, 0);
  EXPECT_EQ(game.g.PlayerCaptureCount, 0);
  EXPECT_EQ(game.g.GameBoard(5, 4), -kPawn);
}

}  // namespace
}  // namespace bdvx::test
