// Whole turns from a custom board: a try that does not stand leaves no
// trace, CREATE describes the board it makes, the message column scrolls
// instead of running onto the board, and the computer's promotion flashes
// as its new piece.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "flow_support.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::Row;
using Rows = std::array<std::string, 8>;

// A game as White at level 3 that CREATEs the rows with the computer as
// Black (so White moves first), then types the entries.
class CustomGame : public ::testing::Test {
 protected:
  void Play(const Rows& rows, std::initializer_list<std::string> entries) {
    test::QueuePicks(con, 'W', 3);
    con.queueLine("CREATE");
    for (const std::string& row : rows) con.queueLine(row);
    con.queueLine("Y");
    con.queueLine("B");
    for (const std::string& entry : entries) con.queueLine(entry);
    try {
      RunGame(g, con);
    } catch (const ScriptExhausted&) {
    }
  }

  test::TempWorkDir dir;
  GameState g = test::FreshState();
  VirtualConsole con;
};

TEST_F(CustomGame, CancelledTriesLeaveNoTraceAndDrawNothing) {
  // The knight on (6, 5) shields its king from the rook on (3, 5).
  const Rows rows = {"::::::::BK::::::", "::::::::::::::::", "::::::::BR::::::",
                     "::::::::::::::::", "::::::::::::::::", "::::::::WN::::::",
                     "WP::::::::::::::", "::::::::WK::::::"};
  Play(rows, {"WN 65 44", "WN 65 44", "WN 65 44", "WN 65 44", "WN 65 44", "WN 65 44",
              "WP 71 61", "EX", ""});
  EXPECT_EQ(g.HistoryCount, 2);  // the pawn's step and the computer's answer
  const std::string transcript = test::ReadFile("BDVXHIST" + con.dateString() + ".TXT");
  EXPECT_NE(transcript.find("  WP-QR3   (from QR2)   1\r\n"), std::string::npos) << transcript;
  EXPECT_EQ(transcript.find("WN-"), std::string::npos) << transcript;
  EXPECT_EQ(transcript.find("WHITE KNIGHT"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("\r\n  USEREXIT\r\n"), std::string::npos) << transcript;
}

TEST_F(CustomGame, CreateRecordsTheChecksAndRightsOfTheNewBoardOnly) {
  // What a game in progress leaves behind: an en-passant target, a check.
  g.PawnJump = {kPawn, 6, 4};
  // The Black knight on (6, 4) checks the White king, which may not castle.
  const Rows rows = {"::::::::BK::::::", "::::::::::::::::", "::::::::::::::::",
                     "::::::::::::::::", "::::::::::::::::", "::::::BN::::::::",
                     "::::::::::::::::", "::::::::WK::::WR"};
  Play(rows, {"WK 85 87"});
  EXPECT_EQ(g.PawnJump, PawnJumpRecord{});
  EXPECT_EQ(std::tuple(g.CheckState(1, 1), g.CheckState(1, 2), g.CheckState(1, 3),
                       g.CheckState(1, 4), g.CheckState(1, 5), g.CheckState(2, 1)),
            std::tuple(-kKnight, 6, 4, 8, 5, 0));
  EXPECT_EQ(std::tuple(g.BlackQueenSideOK, g.WhiteQueenSideOK, g.BlackKingSideOK,
                       g.WhiteKingSideOK),
            std::tuple(0, 0, 0, 1));
  EXPECT_EQ(con.rowText(23), Row("  ILLEGAL Castle Try - In check or already moved King/Rook"));
}

TEST_F(CustomGame, MessageColumnScrollsAboveTheBoard) {
  // White takes the rook on (1, 8) promoting with check; the knight takes
  // the new queen with check: seven lines for rows 2 to 7.
  const Rows rows = {"::::::BK::::::BR", "::::::::::WKWP::", "::::::::::::BN::",
                     "::::::::::::::::", "::::::::::::::::", "::::::::::::::::",
                     "::::::::::::::::", "::::::::::::::::"};
  Play(rows, {"WP 27 18", "WQ"});
  const std::string expected[] = {
      " A BLACK ROOK   captured.", " PAWN replaced as a QUEEN  ... WOOT!",
      " BLACK is in CHECK", " BLACK KNIGHT At ( 3 7) Moved To ( 1 8)",
      " A WHITE QUEEN  captured.", " WHITE is in CHECK"};
  for (int row = 2; row <= 7; ++row) {
    const std::string shown = con.rowText(row);
    EXPECT_EQ(shown.substr(0, shown.find_last_not_of(' ') + 1), expected[row - 2]) << row;
  }
  EXPECT_EQ(con.rowText(8).substr(16), std::string(64, ' '));  // after the captured queen
}

TEST_F(CustomGame, ComputersPromotedPawnFlashesAsItsNewPiece) {
  // The Black pawn on (7, 1) promotes on (8, 1), guarded by the knight.
  const Rows rows = {"::::::::::::::BK", "::::::::::::::::", "::::::::::::::::",
                     "::::::::::::::::", "::::::::::::::::", "::::::::::::::WK",
                     "BP::BN::::::::::", "::::::::::::::::"};
  Play(rows, {"WK 68 67"});
  ASSERT_EQ(g.GameBoard(8, 1), -kQueen);
  EXPECT_EQ(con.textAt(17, 15, 2), "BQ");  // board row 8, column 1
}

}  // namespace
}  // namespace bdvx
