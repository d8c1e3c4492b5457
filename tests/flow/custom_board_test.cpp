// CREATE: a typed position, its echo and confirmation, and the game going on
// from it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "flow_support.h"
#include "game/custom_board.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::Row;
using Rows = std::array<std::string, 8>;

// Kings on their squares, a White pawn on (7, 5), and two unusable pairs on
// row 1: "XX" and the side-less "N ".
const Rows kTypedRows = {"bk::XX::N ::::::", "::::::::::::::::", "::::::::::::::::",
                         "::::::::::::::::", "::::::::::::::::", "::::::::::::::::",
                         "::::::::wp::::::", "::::wk::::::::::"};

class CustomBoard : public test::StartedGame {
 protected:
  void QueueRows(const Rows& rows) {
    for (const std::string& row : rows) con.queueLine(row);
  }
  // Rows, confirmation and the computer's colour.
  void QueueBoard(const Rows& rows, const std::string& colour) {
    QueueRows(rows);
    con.queueLine("Y");
    con.queueLine(colour);
  }
};

TEST_F(CustomBoard, TypedRowsBecomeTheBoard) {
  Start();
  QueueBoard(kTypedRows, "w");
  // The White player's first try is refused: White counts as having moved.
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23), Row("  It is BLACK'S move."));

  EXPECT_EQ(g.GameBoard(1, 1), -kKing);
  EXPECT_EQ(g.GameBoard(1, 3), 0);  // "XX"
  EXPECT_EQ(g.GameBoard(1, 5), 0);  // "N "
  EXPECT_EQ(g.GameBoard(7, 5), kPawn);
  EXPECT_EQ(g.GameBoard(8, 3), kKing);
  EXPECT_EQ(g.SquareText(1, 3), "XX");
  EXPECT_EQ(g.MovePiece, 1);
  EXPECT_EQ(g.LastMoverSide, 1);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.HistoryCount, 0);
  EXPECT_EQ(g.ComputerSide, kBlack);  // kept from the game in progress
  EXPECT_EQ(con.textAt(18, 44, 12), "CANCEL  HINT");

  EXPECT_EQ(Enter("WP 75 55"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23), Row("  It is BLACK'S move."));
  EXPECT_EQ(g.GameBoard(7, 5), kPawn);
}

TEST_F(CustomBoard, BlackAsTheComputersColourLetsWhiteMove) {
  Start();
  QueueBoard(kTypedRows, "B");
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23), Row("  It is WHITE'S move."));
  EXPECT_EQ(g.MovePiece, -1);
  EXPECT_EQ(g.LastMoverSide, -1);
  EXPECT_EQ(Enter("WP 75 55"), Step::MoveExecution);
}

TEST_F(CustomBoard, EchoAndQuestionsAfterTheRows) {
  Start();
  QueueRows(kTypedRows);
  try {
    Enter("CREATE");
    FAIL() << "the confirmation should wait for an answer";
  } catch (const ScriptExhausted&) {
  }
  EXPECT_EQ(con.rowText(4), Row(""));
  EXPECT_EQ(con.rowText(5), Row("              CUSTOM  BOARD"));
  EXPECT_EQ(con.rowText(6), Row("          *1 *2 *3 *4 *5 *6 *7 *8"));
  // The skipped columns keep the row prompt's first five characters.
  EXPECT_EQ(con.rowText(7), Row(" ROW  1: BK :: XX :: N  :: :: :: : 1"));
  EXPECT_EQ(con.rowText(14), Row(" ROW  8: :: :: WK :: :: :: :: :: : 8"));
  EXPECT_EQ(con.rowText(15), Row(""));
  EXPECT_EQ(con.rowText(16), Row(" Is this CUSTOM board correct ? (Y/N)"));
  EXPECT_EQ(con.rowText(17), Row("? "));
}

TEST_F(CustomBoard, WrongLengthRowsAreAskedAgainInPlace) {
  Start();
  con.queueLine("BKBKBKBKBKBKBKB");    // 15 characters
  con.queueLine("BKBKBKBKBKBKBKBKB");  // 17 characters
  con.queueLine("bk::::::::::::::");   // 16: row 1 done
  try {
    Enter("CREATE");
    FAIL() << "row 2 should wait for its line";
  } catch (const ScriptExhausted&) {
  }
  EXPECT_EQ(con.rowText(6), Row("           CNCNCNCNCNCNCNCN"));
  // "? " stands at column 10, over the prompt's last blank.
  EXPECT_EQ(con.textAt(7, 1, 27), " ROW  1 :? bk::::::::::::::");
  EXPECT_EQ(con.rowText(8), Row(" ROW  2 :? "));
  EXPECT_EQ(g.SquareText(1, 1), "BK");
  EXPECT_EQ(g.SquareText(1, 2), "::");
}

TEST_F(CustomBoard, NoStartsTheEntryAgain) {
  Start();
  QueueRows(kTypedRows);
  con.queueLine("maybe");  // asked again
  con.queueLine("n");
  Rows second = kTypedRows;
  second[1] = "::::bq::::::::::";
  QueueBoard(second, "x");  // the colour is asked again too
  con.queueLine("b");
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  EXPECT_EQ(g.GameBoard(2, 3), -kQueen);
  EXPECT_EQ(g.LastMoverSide, -1);
  EXPECT_EQ(con.pendingInput(), 0u);
}

TEST_F(CustomBoard, OnlyAWhiteKingStartsANewGame) {
  Start();
  Rows rows;
  rows.fill("::::::::::::::::");
  rows[7] = "::::::::WK::::::";
  QueueBoard(rows, "B");
  con.queueLine("");  // the pause
  EXPECT_EQ(Enter("CREATE"), Step::StartNewGame);
  EXPECT_EQ(con.textAt(23, 1, 26), "  FATAL ERROR: NO BLACK KI");
  EXPECT_EQ(con.textAt(23, 55, 11), "Tap Enter? ");  // no blank before the prompt
  EXPECT_EQ(con.pendingInput(), 0u);
}

TEST_F(CustomBoard, TwoWhiteKingsAreAccepted) {
  Start();
  Rows rows;
  rows.fill("::::::::::::::::");
  rows[0] = "::::::::BK::::::";
  rows[7] = "WK::::::WK::::::";
  QueueBoard(rows, "B");
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  EXPECT_EQ(g.GameBoard(8, 1), kKing);
  EXPECT_EQ(g.GameBoard(8, 5), kKing);
  EXPECT_EQ(con.rowText(23), Row("  It is WHITE'S move."));
}

}  // namespace
}  // namespace bdvx
