// Castling, promotion, the undo of a cancelled move, checkmate, the praise
// for the hinted move, and the computer's moves that the execution refuses.
#include <gtest/gtest.h>

#include "move_fixture.h"

namespace bdvx::test {
namespace {

Board CastlingBoard() {
  Board board = KingsOnly();
  board(8, 1) = kRook;
  board(8, 8) = kRook;
  board(1, 1) = -kRook;
  board(1, 8) = -kRook;
  return board;
}

TEST(Castling, KingSideMovesTheRookAndClearsBothRights) {
  MoveGame game(CastlingBoard());
  EXPECT_EQ(game.Player("WK", 8, 5, 8, 7), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard(8, 7), kKing);
  EXPECT_EQ(game.g.GameBoard(8, 6), kRook);
  EXPECT_EQ(game.g.GameBoard(8, 8), kEmpty);
  EXPECT_EQ(game.g.GameBoard(8, 5), kEmpty);
  EXPECT_EQ(game.Trimmed(3), " CASTLE move: ROOK/KING switch done");
  EXPECT_EQ(game.g.WhiteKingSideOK, 0);
  EXPECT_EQ(game.g.WhiteQueenSideOK, 0);
  EXPECT_EQ(game.g.BlackKingSideOK, 1);
  EXPECT_EQ(game.g.BlackQueenSideOK, 1);
}

TEST(Castling, QueenSideOfTheComputer) {
  MoveGame game(CastlingBoard());
  EXPECT_EQ(game.Computer(-kKing, 1, 5, 1, 3), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard(1, 3), -kKing);
  EXPECT_EQ(game.g.GameBoard(1, 4), -kRook);
  EXPECT_EQ(game.g.GameBoard(1, 1), kEmpty);
  EXPECT_EQ(game.g.BlackKingSideOK, 0);
  EXPECT_EQ(game.g.BlackQueenSideOK, 0);
  EXPECT_EQ(game.g.WhiteKingSideOK, 1);
}

TEST(Castling, RookLeavingItsCornerClearsThatRightOnly) {
  MoveGame game(CastlingBoard());
  game.Player("WR", 8, 8, 7, 8);
  EXPECT_EQ(game.g.WhiteKingSideOK, 0);
  EXPECT_EQ(game.g.WhiteQueenSideOK, 1);
  game.Computer(-kRook, 1, 1, 2, 1);
  EXPECT_EQ(game.g.BlackQueenSideOK, 0);
  EXPECT_EQ(game.g.BlackKingSideOK, 1);
  // A rook from any other square takes no right away.
  game.Player("WR", 7, 8, 8, 8);
  game.Computer(-kRook, 2, 1, 1, 1);
  EXPECT_EQ(game.g.WhiteQueenSideOK, 1);
  EXPECT_EQ(game.g.BlackKingSideOK, 1);
}

TEST(Cancel, MoveThatUncoversTheKingIsTakenBackButStaysInTheHistory) {
  Board board = KingsOnly();
  board(1, 5) = kEmpty;
  board(1, 1) = -kKing;
  board(2, 5) = -kRook;
  board(7, 5) = kKnight;
  MoveGame game(board);
  game.con.locate(23, 1);
  game.con.print(std::string(80, 'x'));
  EXPECT_EQ(game.Player("WN", 7, 5, 5, 4), Step::PlayerPrompt);
  EXPECT_EQ(game.g.GameBoard, board);
  const std::string message = "  MOVE CANCELED: KING is (or would be) in CHECK         ";
  EXPECT_EQ(game.con.rowText(23), message + std::string(80 - message.size(), 'x'));
  EXPECT_EQ(game.Trimmed(2), " WHITE KNIGHT At ( 7 5) Moved To ( 5 4)");
  EXPECT_EQ(game.g.HistoryCount, 1);
  EXPECT_EQ(game.g.HistTo(1, kRowCol), "54");
}

TEST(Cancel, CastlingAcrossAnAttackedSquarePutsKingAndRookBack) {
  Board board = KingsOnly();
  board(8, 8) = kRook;
  board(3, 6) = -kRook;  // attacks (8, 6), the square the king crosses
  MoveGame game(board);
  EXPECT_EQ(game.Player("WK", 8, 5, 8, 7), Step::PlayerPrompt);
  EXPECT_EQ(game.g.GameBoard, board);
  EXPECT_EQ(game.Trimmed(3), " CASTLE move: ROOK/KING switch done");
  EXPECT_EQ(game.g.WhiteKingSideOK, 1);
  EXPECT_EQ(game.g.HistoryCount, 1);
}

TEST(Cancel, PromotionThatUncoversTheKingGivesThePawnBack) {
  Board board = EmptyBoard();
  board(6, 6) = -kKing;
  board(2, 1) = -kRook;
  board(2, 4) = kPawn;  // shields its king on (2, 8) from the rook
  board(2, 8) = kKing;
  MoveGame game(board);
  game.con.queueLine("WQ");
  EXPECT_EQ(game.Player("WP", 2, 4, 1, 4), Step::PlayerPrompt);
  EXPECT_EQ(game.g.GameBoard, board);
  EXPECT_EQ(game.g.GameBoard(2, 4), kPawn);
  EXPECT_EQ(game.Trimmed(3), " PAWN replaced as a QUEEN  ... WOOT!");
  EXPECT_EQ(game.g.HistPiece(1, kDescriptive), "WP");
}

// A White pawn on (2, 1) about to promote, the Black king out of reach.
Board PromotionBoard() {
  Board board = EmptyBoard();
  board(4, 8) = -kKing;
  board(8, 5) = kKing;
  board(2, 1) = kPawn;
  return board;
}

TEST(Promotion, PlayerIsAskedUntilAPieceOtherThanPawnOrKing) {
  MoveGame game(PromotionBoard());
  // A lone letter is one character and names nothing; kings are refused;
  // only the magnitude of a Black rook counts for the White pawn.
  for (const char* answer : {"Q", "K", "WK", "BR"}) game.con.queueLine(answer);
  EXPECT_EQ(game.Player("WP", 2, 1, 1, 1), Step::TurnTop);
  EXPECT_EQ(game.con.pendingInput(), 0u);
  EXPECT_EQ(game.g.GameBoard(1, 1), kRook);
  EXPECT_EQ(game.g.GameBoard(2, 1), kEmpty);
  EXPECT_EQ(game.g.MovePiece, kRook);
  const std::string question = "  Enter desired piece for *** PROMOTED PAWN ***  ";
  EXPECT_EQ(game.Row(21, question.size()), question);
  EXPECT_EQ(game.Trimmed(22), "? BR");
  const std::string message = " PAWN replaced as a ROOK   ... WOOT!        ";
  EXPECT_EQ(game.Row(3, message.size()), message);
}

TEST(Promotion, SidelessAnswerOfTheBlackPlayer) {
  Board board = EmptyBoard();
  board(1, 5) = -kKing;
  board(4, 8) = kKing;
  board(7, 1) = -kPawn;
  MoveGame game(board, kWhite);
  game.con.queueLine("n ");
  EXPECT_EQ(game.Player("BP", 7, 1, 8, 1), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard(8, 1), -kKnight);
  EXPECT_EQ(game.Trimmed(3), " PAWN replaced as a KNIGHT ... WOOT!");
}

TEST(Promotion, ComputersPawnQueensWithoutAQuestion) {
  Board board = EmptyBoard();
  board(1, 5) = -kKing;
  board(5, 8) = kKing;
  board(7, 1) = -kPawn;
  MoveGame game(board);
  // No input is scripted: a question would end the test with ScriptExhausted.
  EXPECT_EQ(game.Computer(-kPawn, 7, 1, 8, 1), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard(8, 1), -kQueen);
  EXPECT_EQ(game.Trimmed(3), " PAWN replaced as a QUEEN  ... WOOT!");
  EXPECT_EQ(game.Trimmed(21), "");
}

TEST(Checkmate, EndsTheGameBeforeRightsAndPoints) {
  Board board = EmptyBoard();
  board(1, 7) = -kKing;
  board(2, 6) = -kPawn;
  board(2, 7) = -kPawn;
  board(2, 8) = -kPawn;
  board(8, 1) = kRook;
  board(8, 5) = kKing;
  MoveGame game(board);
  EXPECT_EQ(game.Player("WR", 8, 1, 1, 1), Step::EndGame);
  EXPECT_EQ(game.g.GameBoard(1, 1), kRook);
  EXPECT_EQ(game.g.WhiteQueenSideOK, 1);  // the rook's right was not reached
}

TEST(Awesome, HintedPieceAndDestinationFromAnySquare) {
  MoveGame game(StartBoard());
  game.g.HintMove = {kKnight, 1, 1, 6, 3};
  game.Player("WN", 8, 2, 6, 3);
  const std::vector<SoundEvent> expected = {{"wav/ENG/applause.wav", false}};
  EXPECT_EQ(game.con.sounds(), expected);
  const std::string message = " That is an AWESOME move!          ";
  EXPECT_EQ(game.Row(3, message.size()), message);

  MoveGame other(StartBoard());
  other.g.HintMove = {kKnight, 8, 2, 6, 1};
  other.Player("WN", 8, 2, 6, 3);
  EXPECT_TRUE(other.con.sounds().empty());
  EXPECT_EQ(other.Trimmed(3), "");
}

TEST(Awesome, PromotionNeverMatchesThePawnsHint) {
  MoveGame game(PromotionBoard());
  game.g.HintMove = {kPawn, 2, 1, 1, 1};
  game.con.queueLine("WQ");
  game.Player("WP", 2, 1, 1, 1);
  EXPECT_TRUE(game.con.sounds().empty());
}

TEST(ComputerMove, RefusedByTheRulesOfTheExecution) {
  MoveGame game(StartBoard());
  EXPECT_EQ(game.Computer(-kKnight, 1, 2, 1, 4), Step::PlayerPrompt);
  EXPECT_EQ(game.Trimmed(23), "  ILLEGAL: NOT in set of moves for BN");
  EXPECT_EQ(game.g.GameBoard, StartBoard());
  EXPECT_EQ(game.g.HistoryCount, 1);

  MoveGame castle(CastlingBoard());
  castle.g.BlackKingSideOK = 0;
  EXPECT_EQ(castle.Computer(-kKing, 1, 5, 1, 7), Step::PlayerPrompt);
  const std::string message = "  ILLEGAL Castle Attempt       ";
  EXPECT_EQ(castle.Row(3, message.size()), message);
  EXPECT_EQ(castle.g.GameBoard, CastlingBoard());
}

TEST(ComputerMove, CodeThatNamesNoPieceLeavesTheBoard) {
  Board board = KingsOnly();
  board(4, 4) = 7;
  MoveGame game(board);
  EXPECT_EQ(game.Computer(7, 4, 4, 5, 4), Step::TurnTop);
  EXPECT_EQ(game.g.GameBoard, board);
}

}  // namespace
}  // namespace bdvx::test
