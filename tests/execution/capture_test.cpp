// Captures: the announcement and the player's cues, points, the capture
// lists and their 15 slots, en passant, and the king capture that ends the
// game.
#include <gtest/gtest.h>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

const char* const kKnightTaken = " A BLACK KNIGHT captured.             ";

TEST(Capture, PlayerTakingACounts) {
  MoveGame game(KingsWith({"WR 81", "BN 31"}));
  game.Play("WR 81 31", Step::TurnTop, KingsWith({"WR 31"}), {{3, kKnightTaken}});
  EXPECT_TRUE(game.con.sounds().empty());  // the computer's loss is silent
  EXPECT_EQ(Tally(game.g), std::tuple(3, 1, 0));
  EXPECT_EQ(std::tuple(game.g.CaptureGain, game.g.PlayerCaptures[1]), std::tuple(3, "BN"));
}

TEST(Capture, SixteenthCaptureKeepsTheFullListInBounds) {
  MoveGame game(KingsWith({"WR 81", "BN 31"}));
  game.g.PlayerCaptures.fill("BP");
  game.g.PlayerCaptureCount = kCaptureSlots;
  game.Play("WR 81 31", Step::TurnTop, KingsWith({"WR 31"}), {{3, kKnightTaken}});
  EXPECT_EQ(Tally(game.g), std::tuple(3, 15, 0));  // the points still count
  EXPECT_EQ(game.g.PlayerCaptures[15], "BP");
}

TEST(Capture, PlayerLosingAPieceHearsItNamed) {
  MoveGame game(KingsWith({"BQ 44", "WN 64"}));
  game.g.Voice = "SPA";
  game.Play("BQ 44 64", Step::TurnTop, KingsWith({"BQ 64"}), {{3, " A WHITE KNIGHT captured."}});
  EXPECT_EQ(game.con.sounds(), (std::vector<SoundEvent>{{"wav/SPA/CAPTURE.wav", true},
                                                        {"wav/SPA/KNIGHT.wav", true}}));
  EXPECT_EQ(Tally(game.g), std::tuple(-3, 0, 1));
  EXPECT_EQ(game.g.ComputerCaptures[1], "WN");
}

TEST(Capture, TakingAKingEndsTheGameWithTheBoardUnchanged) {
  MoveGame game(KingsWith({"WR 55"}));
  game.Play("WR 55 15", Step::EndGame, KingsWith({"WR 55"}), {{3, " A BLACK KING   captured."}});
  EXPECT_EQ(game.g.HistoryCount, 1);
  EXPECT_EQ(Tally(game.g), std::tuple(0, 0, 0));
}

TEST(Capture, CancelledCaptureIsNotListedByTheNextTryOfTheSameTurn) {
  // The knight's capture uncovers the king to the rook and is taken back:
  // it took nothing, so the next try, which stands, lists nothing.
  const Board board = Pieces({"BK 11", "BR 25", "BP 54", "WN 75", "WK 85"});
  MoveGame game(board);
  game.Play("WN 75 54", Step::PlayerPrompt, board);
  game.Play("WK 85 84", Step::TurnTop, With(board, {":: 85", "WK 84"}));
  EXPECT_EQ(Tally(game.g), std::tuple(0, 0, 0));
}

// White pawn (7, 4) about to jump past the Black pawn waiting on (5, 3).
Board EnPassantBoard() { return KingsWith({"WP 74", "BP 53"}); }

TEST(EnPassant, TwoSquareStepIsRememberedAndTakenOnce) {
  MoveGame game(EnPassantBoard());
  game.Play("WP 74 54", Step::TurnTop, KingsWith({"WP 54", "BP 53"}));
  EXPECT_EQ(game.g.PawnJump, (PawnJumpRecord{1, 6, 4}));
  game.Play("BP 53 64", Step::TurnTop, KingsWith({"BP 64"}), {{4, " En Passent capture of PAWN."}});
  EXPECT_EQ(Tally(game.g), std::tuple(-1, 0, 1));  // ComputerSide x the White pawn
  EXPECT_EQ(game.g.ComputerCaptures[1], "WP");
  EXPECT_EQ(game.g.PawnJump, PawnJumpRecord{});
  EXPECT_TRUE(game.con.sounds().empty());  // no cue for an en-passant loss
}

TEST(EnPassant, AnyOtherMoveForgetsThePawn) {
  MoveGame game(EnPassantBoard());
  game.Player("WP 74 54");
  game.Computer("BK 15 14");
  EXPECT_EQ(game.g.PawnJump, PawnJumpRecord{});
  // Too late now: the diagonal step onto an empty square is no pawn move.
  game.Computer("BP 53 64");
  EXPECT_TRUE(game.Shows(23, "  ILLEGAL: NOT in set of moves for BP"));
  EXPECT_EQ(game.g.GameBoard(5, 4), kPawn);
}

TEST(EnPassant, ACancelledJumpLeavesNothingToTake) {
  // The pawn on (7, 4) shields its king from the bishop: its jump is
  // cancelled and the en-passant memory stays empty.
  const Board board = KingsWith({"WP 74", "BB 41", "BP 53"});
  MoveGame game(board);
  game.Play("WP 74 54", Step::PlayerPrompt, board);
  EXPECT_EQ(game.g.PawnJump, PawnJumpRecord{});
}

}  // namespace
}  // namespace bdvx::test
