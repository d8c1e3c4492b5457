// CREATE: a typed position, its echo and confirmation, and the game going on
// from it.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

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

// Empty rows but for the given ones (0-based).
Rows RowsWith(std::initializer_list<std::pair<int, std::string>> filled) {
  Rows rows;
  rows.fill("::::::::::::::::");
  for (const auto& [index, text] : filled) rows[static_cast<std::size_t>(index)] = text;
  return rows;
}

class CustomBoard : public test::StartedGame {
 protected:
  // The rows, then optionally the confirmation "Y" and the computer's colour.
  void QueueBoard(const Rows& rows, const std::string& colour = "") {
    for (const std::string& row : rows) con.queueLine(row);
    if (colour.empty()) return;
    con.queueLine("Y");
    con.queueLine(colour);
  }
  // CREATE, which must stop for want of an answer.
  void CreateWaits() {
    EXPECT_THROW(Enter("CREATE"), ScriptExhausted) << "CREATE should wait for an answer";
  }
  void ExpectSquares(std::initializer_list<std::tuple<int, int, int>> squares) {
    for (const auto& [r, c, code] : squares) {
      EXPECT_EQ(g.GameBoard(r, c), code) << "square (" << r << "," << c << ")";
    }
  }
};

TEST_F(CustomBoard, TypedRowsBecomeTheBoard) {
  Start();
  QueueBoard(kTypedRows, "w");
  // The White player's first try is refused: White counts as having moved.
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23), Row("  It is BLACK'S move."));
  // "XX" on (1,3) and "N " on (1,5) name no piece.
  ExpectSquares({{1, 1, -kKing}, {1, 3, 0}, {1, 5, 0}, {7, 5, kPawn}, {8, 3, kKing}});
  EXPECT_EQ(g.SquareText(1, 3), "XX");
  EXPECT_EQ(std::tuple(g.MovePiece, g.LastMoverSide, g.MoveNumber, g.HistoryCount),
            std::tuple(1, 1, 1, 0));
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
  EXPECT_EQ(std::tuple(g.MovePiece, g.LastMoverSide), std::tuple(-1, -1));
  EXPECT_EQ(Enter("WP 75 55"), Step::MoveExecution);
}

TEST_F(CustomBoard, EchoAndQuestionsAfterTheRows) {
  Start();
  QueueBoard(kTypedRows);
  CreateWaits();
  const std::pair<int, std::string> rows[] = {
      {4, ""},
      {5, "              CUSTOM  BOARD"},
      {6, "          *1 *2 *3 *4 *5 *6 *7 *8"},
      // The skipped columns keep the row prompt's first five characters.
      {7, " ROW  1: BK :: XX :: N  :: :: :: : 1"},
      {14, " ROW  8: :: :: WK :: :: :: :: :: : 8"},
      {15, ""},
      {16, " Is this CUSTOM board correct ? (Y/N)"},
      {17, "? "}};
  for (const auto& [row, text] : rows) EXPECT_EQ(con.rowText(row), Row(text)) << "row " << row;
}

TEST_F(CustomBoard, WrongLengthRowsAreAskedAgainInPlace) {
  Start();
  con.queueLine("BKBKBKBKBKBKBKB");    // 15 characters
  con.queueLine("BKBKBKBKBKBKBKBKB");  // 17 characters
  con.queueLine("bk::::::::::::::");   // 16: row 1 done, row 2 waits
  CreateWaits();
  EXPECT_EQ(con.rowText(6), Row("           CNCNCNCNCNCNCNCN"));
  // "? " stands at column 10, over the prompt's last blank.
  EXPECT_EQ(con.textAt(7, 1, 27), " ROW  1 :? bk::::::::::::::");
  EXPECT_EQ(con.rowText(8), Row(" ROW  2 :? "));
  EXPECT_EQ(std::tuple(g.SquareText(1, 1), g.SquareText(1, 2)), std::tuple("BK", "::"));
}

TEST_F(CustomBoard, NoStartsTheEntryAgain) {
  Start();
  QueueBoard(kTypedRows);
  con.queueLine("maybe");  // asked again
  con.queueLine("n");
  Rows second = kTypedRows;
  second[1] = "::::bq::::::::::";
  QueueBoard(second, "x");  // the colour is asked again too
  con.queueLine("b");
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  EXPECT_EQ(std::tuple(g.GameBoard(2, 3), g.LastMoverSide), std::tuple(-kQueen, -1));
  EXPECT_EQ(con.pendingInput(), 0u);
}

TEST_F(CustomBoard, OnlyAWhiteKingStartsANewGame) {
  Start();
  QueueBoard(RowsWith({{7, "::::::::WK::::::"}}), "B");
  con.queueLine("");  // the pause
  EXPECT_EQ(Enter("CREATE"), Step::StartNewGame);
  EXPECT_EQ(con.textAt(23, 1, 26), "  FATAL ERROR: NO BLACK KI");
  EXPECT_EQ(con.textAt(23, 55, 11), "Tap Enter? ");  // no blank before the prompt
  EXPECT_EQ(con.pendingInput(), 0u);
}

TEST_F(CustomBoard, TwoWhiteKingsAreAccepted) {
  Start();
  QueueBoard(RowsWith({{0, "::::::::BK::::::"}, {7, "WK::::::WK::::::"}}), "B");
  EXPECT_EQ(Enter("CREATE"), Step::PlayerPrompt);
  ExpectSquares({{8, 1, kKing}, {8, 5, kKing}});
  EXPECT_EQ(con.rowText(23), Row("  It is WHITE'S move."));
}

}  // namespace
}  // namespace bdvx
