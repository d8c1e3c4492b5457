// Every way a game ends: the end line, the records, the final pause.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/board_display.h"
#include "flow_support.h"
#include "game/game_end.h"
#include "records/scorecard.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::FreshState;
using test::QueuePicks;
using test::Row;

const std::string kTranscript = "BDVXHIST12-06-2026.TXT";

// A finished game of moveNumber moves and the minutes at the level.
GameState FinishedGame(VirtualConsole& con, int movePiece, const std::string& reason,
                       int moveNumber, int minutes, int level) {
  GameState g = FreshState();
  g.GameBoard = g.InitialBoard;
  g.PlayerCaptures.fill("  ");
  g.ComputerCaptures.fill("  ");
  g.MovePiece = movePiece;
  g.EndReason = reason;
  g.MoveNumber = moveNumber;
  g.Level = level;
  g.StartTime = con.timer() - 60.0 * minutes - 30.0;
  return g;
}

class GameEnd : public ::testing::Test {
 protected:
  test::TempWorkDir dir;
  VirtualConsole con;
};

TEST_F(GameEnd, CheckmateByWhite) {
  GameState g = FinishedGame(con, 9, kReasonCheckmate, 23, 12, 4);
  con.queueLine("");
  EXPECT_EQ(EndGame(g, con), Step::ExitProgram);

  EXPECT_EQ(g.Winner, "WHITE");
  EXPECT_EQ(g.ElapsedMinutes, 12);
  EXPECT_EQ(con.rowText(1), Row(""));
  EXPECT_EQ(con.textAt(18, 44, 12), "CANCEL  HINT");
  EXPECT_EQ(con.rowText(20),
            Row("  CHECKMATE... WHITE wins in 23 moves and 12 min.  Level: 4    "));
  EXPECT_EQ(con.textAt(21, 1, 16), "  YOU must be a ");  // the rating lines follow at row 21
  EXPECT_EQ(con.textAt(23, 1, 52), "  Transcript: BDVXHIST12-06-2026.txt, BDVXSCORES.TXT");
  EXPECT_EQ(con.textAt(23, 55, 12), "Tap Enter ? ");
  EXPECT_EQ(con.rowText(24), Row(""));
  ASSERT_FALSE(con.sounds().empty());
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/applause.wav", false}));
  EXPECT_TRUE(std::filesystem::is_regular_file(kTranscript));
  EXPECT_TRUE(std::filesystem::is_regular_file(kScorecardFileName));
}

TEST_F(GameEnd, DrawNamesNoWinner) {
  GameState g = FinishedGame(con, -3, kReasonDraw, 9, 2, 1);
  con.queueLine("");
  EndGame(g, con);
  EXPECT_EQ(g.Winner, "NONE ");
  EXPECT_EQ(con.rowText(20),
            Row("  **DRAW** ... NONE  wins in 9 moves and 2 min.  Level: 1    "));
  EXPECT_NE(test::ReadFile(kScorecardFileName).find(" **DRAW** "), std::string::npos);
}

TEST_F(GameEnd, ComputerResignsAndThePlayerWins) {
  // The computer (Black) has no move: its king is stalemated in the corner.
  GameState g = FreshState();
  g.GameBoard = test::MakeBoard({"BK::::::::::::::", "::::::::::::::::", "::WQ::::::::::::",
                                 "::::::::::::::::", "::::::::::::::::", "::::::::::::::::",
                                 "::::::::::::::::", "::::::::::::::WK"});
  g.PlayerCaptures.fill("  ");
  g.ComputerCaptures.fill("  ");
  g.MovePiece = 9;
  g.LastMoverSide = 9;
  g.MoveNumber = 5;
  g.Level = 3;
  g.StartTime = con.timer();

  EXPECT_EQ(TurnTop(g, con), Step::EndGame);
  EXPECT_EQ(g.ComputerMove.piece, 0);
  EXPECT_EQ(g.MoveNumber, 6);
  EXPECT_EQ(g.MsgRow, 2);
  EXPECT_EQ(con.rowText(2), Row(" This Chess program RESIGNS."));
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/RESIGN.wav", true}));
  EXPECT_EQ(g.EndReason, kReasonResigned);

  con.queueLine("");
  EndGame(g, con);
  EXPECT_EQ(con.rowText(20),
            Row("  RESIGNED ... WHITE wins in 6 moves and 0 min.  Level: 3    "));
}

TEST_F(GameEnd, PlayerResignsAsWhite) {
  GameState g = FreshState();
  QueuePicks(con, 'W', 3);
  con.queueClick(1, test::kResignCol);
  con.queueLine("");
  EXPECT_EQ(RunGame(g, con), 0);
  EXPECT_EQ(con.rowText(20),
            Row("  RESIGNED ... BLACK wins in 1 moves and 0 min.  Level: 3    "));
  EXPECT_EQ(con.rowText(6), Row(" THANK-YOU! Your resignation accepted."));
  EXPECT_EQ(con.pendingInput(), 0u);
}

TEST_F(GameEnd, PlayerResignsAsBlack) {
  GameState g = FreshState();
  QueuePicks(con, 'B', 3);
  con.queueClick(1, test::kResignCol);
  con.queueLine("");
  EXPECT_EQ(RunGame(g, con), 0);
  EXPECT_EQ(g.Winner, "WHITE");
  EXPECT_EQ(con.rowText(20),
            Row("  RESIGNED ... WHITE wins in 1 moves and 0 min.  Level: 3    "));
}

TEST_F(GameEnd, ExitWritesTheTranscriptOnly) {
  GameState g = FreshState();
  QueuePicks(con, 'W', 3);
  con.queueClick(1, test::kExitCol);
  con.queueLine("");
  EXPECT_EQ(RunGame(g, con), 0);
  EXPECT_EQ(g.EndReason, kReasonUserExit);
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/goodbye.wav", true}));
  EXPECT_EQ(con.textAt(23, 1, 54),
            "  Transcript: BDVXHIST12-06-2026.txt" + std::string(18, ' '));
  EXPECT_EQ(con.textAt(23, 55, 12), "Tap Enter ? ");
  EXPECT_TRUE(std::filesystem::is_regular_file(kTranscript));
  EXPECT_FALSE(std::filesystem::exists(kScorecardFileName));
}

TEST_F(GameEnd, ExitTellsWhenTheTranscriptCouldNotBeWritten) {
  std::filesystem::create_directory(kTranscript);  // in the way of the file
  GameState g = FreshState();
  QueuePicks(con, 'W', 3);
  con.queueClick(1, test::kExitCol);
  con.queueLine("");
  EXPECT_EQ(RunGame(g, con), 0);
  EXPECT_EQ(con.rowText(24).substr(0, 38), "  Cannot write BDVXHIST12-06-2026.TXT ");
}

TEST_F(GameEnd, EndTellsWhenTheScorecardCouldNotBeWritten) {
  std::filesystem::create_directory(kScorecardFileName);
  GameState g = FinishedGame(con, -9, kReasonCheckmate, 30, 40, 2);
  con.queueLine("");
  EXPECT_EQ(EndGame(g, con), Step::ExitProgram);
  EXPECT_EQ(con.rowText(24).substr(0, 30), "  Cannot write BDVXSCORES.TXT ");
  EXPECT_TRUE(std::filesystem::is_regular_file(kTranscript));
}

}  // namespace
}  // namespace bdvx
