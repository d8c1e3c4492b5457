// Castling, promotion, the undo of a cancelled move, checkmate, the praise
// for the hinted move, and the computer's moves that the execution refuses.
#include <gtest/gtest.h>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

Board CastlingBoard() { return KingsWith({"WR 81", "WR 88", "BR 11", "BR 18"}); }
const char* const kCastled = " CASTLE move: ROOK/KING switch done";

TEST(Castling, KingSideMovesTheRookAndClearsBothRights) {
  MoveGame game(CastlingBoard());
  game.Play("WK 85 87", Step::TurnTop, With(CastlingBoard(), {":: 85", ":: 88", "WK 87", "WR 86"}),
            {{3, kCastled}});
  EXPECT_EQ(Rights(game.g), std::tuple(0, 0, 1, 1));
}

TEST(Castling, QueenSideOfTheComputer) {
  MoveGame game(CastlingBoard());
  game.Play("BK 15 13", Step::TurnTop, With(CastlingBoard(), {":: 15", ":: 11", "BK 13", "BR 14"}));
  EXPECT_EQ(Rights(game.g), std::tuple(1, 1, 0, 0));
}

TEST(Castling, RookLeavingItsCornerClearsThatRightOnly) {
  MoveGame game(CastlingBoard());
  game.Player("WR 88 78");
  EXPECT_EQ(Rights(game.g), std::tuple(0, 1, 1, 1));
  game.Computer("BR 11 21");
  EXPECT_EQ(Rights(game.g), std::tuple(0, 1, 1, 0));
  // A rook from any other square takes no right away.
  game.Player("WR 78 88");
  game.Computer("BR 21 11");
  EXPECT_EQ(Rights(game.g), std::tuple(0, 1, 1, 0));
  // A rook taken in its corner takes its right with it.
  game.Player("WR 88 18");
  EXPECT_EQ(Rights(game.g), std::tuple(0, 1, 0, 0));
}

TEST(Cancel, MoveThatUncoversTheKingIsTakenBackAndLeavesNoRecord) {
  const Board board = Pieces({"BK 11", "BR 25", "WN 75", "WK 85"});
  MoveGame game(board);
  game.Smear(23);
  game.Play("WN 75 54", Step::PlayerPrompt, board,
            {{2, " WHITE KNIGHT At ( 7 5) Moved To ( 5 4)"}});
  EXPECT_EQ(game.con.rowText(23),
            OverSmear("  MOVE CANCELED: KING is (or would be) in CHECK         "));
  EXPECT_EQ(std::tuple(game.g.HistoryCount, game.g.HistTo(1, kRowCol)), std::tuple(0, ""));
}

TEST(Cancel, CastlingAcrossAnAttackedSquarePutsKingAndRookBack) {
  // The rook on (3, 6) attacks (8, 6), the square the king crosses.
  MoveGame game(KingsWith({"WR 88", "BR 36"}));
  game.Play("WK 85 87", Step::PlayerPrompt, KingsWith({"WR 88", "BR 36"}), {{3, kCastled}});
  EXPECT_EQ(std::tuple(game.g.WhiteKingSideOK, game.g.HistoryCount), std::tuple(1, 0));
}

TEST(Cancel, PromotionThatUncoversTheKingGivesThePawnBack) {
  // The pawn on (2, 4) shields its king on (2, 8) from the rook.
  const Board board = Pieces({"BK 66", "BR 21", "WP 24", "WK 28"});
  MoveGame game(board);
  game.con.queueLine("WQ");
  game.Play("WP 24 14", Step::PlayerPrompt, board, {{3, " PAWN replaced as a QUEEN  ... WOOT!"}});
  EXPECT_EQ(std::tuple(game.g.HistoryCount, game.g.HistPiece(1, kDescriptive)), std::tuple(0, ""));
}

// A White pawn on (2, 1) about to promote, the Black king out of reach.
Board PromotionBoard() { return Pieces({"BK 48", "WK 85", "WP 21"}); }

TEST(Promotion, PlayerIsAskedUntilAPieceOtherThanPawnOrKing) {
  MoveGame game(PromotionBoard());
  // A lone letter is one character and names nothing; kings are refused;
  // only the magnitude of a Black rook counts for the White pawn.
  for (const char* answer : {"Q", "K", "WK", "BR"}) game.con.queueLine(answer);
  game.Play("WP 21 11", Step::TurnTop, With(PromotionBoard(), {":: 21", "WR 11"}),
            {{21, "  Enter desired piece for *** PROMOTED PAWN ***  "}, {22, "? BR"},
             {3, " PAWN replaced as a ROOK   ... WOOT!        "}});
  EXPECT_EQ(game.con.pendingInput(), 0u);
  EXPECT_EQ(game.g.MovePiece, kRook);
}

TEST(Promotion, SidelessAnswerOfTheBlackPlayer) {
  MoveGame game(Pieces({"BK 15", "WK 48", "BP 71"}), kWhite);
  game.con.queueLine("n ");
  game.Play("BP 71 81", Step::TurnTop, Pieces({"BK 15", "WK 48", "BN 81"}),
            {{3, " PAWN replaced as a KNIGHT ... WOOT!"}});
}

TEST(Promotion, ComputersPawnQueensWithoutAQuestion) {
  // No input is scripted: a question would end the test with ScriptExhausted.
  MoveGame game(Pieces({"BK 15", "WK 58", "BP 71"}));
  game.Play("BP 71 81", Step::TurnTop, Pieces({"BK 15", "WK 58", "BQ 81"}),
            {{3, " PAWN replaced as a QUEEN  ... WOOT!"}, {21, ""}});
}

TEST(Checkmate, EndsTheGameBeforeRightsAndPoints) {
  const Board board = Pieces({"BK 17", "BP 26", "BP 27", "BP 28", "WR 81", "WK 85"});
  MoveGame game(board);
  game.Play("WR 81 11", Step::EndGame, With(board, {":: 81", "WR 11"}));
  EXPECT_EQ(game.g.WhiteQueenSideOK, 1);  // the rook's right was not reached
}

TEST(Awesome, HintedPieceAndDestinationFromAnySquare) {
  const Board after = With(StartBoard(), {":: 82", "WN 63"});
  MoveGame game(StartBoard());
  game.g.HintMove = {kKnight, 1, 1, 6, 3};
  game.Play("WN 82 63", Step::TurnTop, after, {{3, " That is an AWESOME move!          "}});
  EXPECT_EQ(game.con.sounds(), (std::vector<SoundEvent>{{"wav/ENG/applause.wav", false}}));
  MoveGame other(StartBoard());
  other.g.HintMove = {kKnight, 8, 2, 6, 1};
  other.Play("WN 82 63", Step::TurnTop, after, {{3, ""}});
  EXPECT_TRUE(other.con.sounds().empty());
}

TEST(Awesome, PromotionNeverMatchesThePawnsHint) {
  MoveGame game(PromotionBoard());
  game.g.HintMove = {kPawn, 2, 1, 1, 1};
  game.con.queueLine("WQ");
  game.Play("WP 21 11", Step::TurnTop, With(PromotionBoard(), {":: 21", "WQ 11"}));
  EXPECT_TRUE(game.con.sounds().empty());
}

TEST(ComputerMove, RefusedByTheRulesOfTheExecution) {
  MoveGame game(StartBoard());
  game.Play("BN 12 14", Step::PlayerPrompt, StartBoard(),
            {{23, "  ILLEGAL: NOT in set of moves for BN"}});
  EXPECT_EQ(game.g.HistoryCount, 0);
  MoveGame castle(CastlingBoard());
  castle.g.BlackKingSideOK = 0;
  castle.Play("BK 15 17", Step::PlayerPrompt, CastlingBoard(),
              {{3, "  ILLEGAL Castle Attempt       "}});
}

TEST(ComputerMove, CodeThatNamesNoPieceLeavesTheBoard) {
  Board board = KingsWith();
  board(4, 4) = 7;
  MoveGame game(board);
  EXPECT_EQ(game.Computer("?? 44 54", 7), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard, board);
}

}  // namespace
}  // namespace bdvx::test
