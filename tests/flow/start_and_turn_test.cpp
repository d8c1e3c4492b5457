// A new game's picks and set-up, the status line, and whose turn it is.
#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "flow_support.h"
#include "game/turn_loop.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::FreshState;
using test::QueuePicks;
using test::Row;
using test::RunUntilScriptEnds;

TEST(StartNewGame, FirstStatusLineAsWhiteAtLevelThree) {
  GameState g = FreshState();
  VirtualConsole con;
  QueuePicks(con, 'W', 3);
  ASSERT_TRUE(RunUntilScriptEnds(g, con));

  EXPECT_EQ(con.rowText(20),
            Row("  Move: 1. You are 0 points AHEAD after 0 min. Level: 3   "));
  EXPECT_EQ(con.rowText(21), Row("  Click Piece and then Destination"));
  EXPECT_EQ(con.rowText(1).substr(0, 8), "NEW LOAD");
  EXPECT_EQ(g.GameBoard, test::StartBoard());
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.ComputerSide, kBlack);
  EXPECT_EQ(g.PlayerLetter, "W");
  EXPECT_EQ(g.MovePiece, -1);
  EXPECT_EQ(g.LastMoverSide, -1);
  EXPECT_EQ(g.ComputerMove.piece, 0);  // no flash before the computer has moved
}

TEST(StartNewGame, SplashCueThenSeedThenFreshCounters) {
  GameState g = FreshState();
  // Left-overs of an earlier game that a new one must clear.
  g.Points = 7;
  g.PlayerCaptureCount = 3;
  g.PlayerCaptures[1] = "BQ";
  g.HintMove = {-1, 2, 4, 3, 4};
  g.WhiteKingSideOK = 0;
  g.CheckState(kDirectCheckRow, kCheckPiece) = -5;
  g.PawnJump = {1, 6, 4};
  g.DescriptiveOutput = 1;
  g.EndReason = kReasonSnapshot;
  g.Voice = "SFX";

  VirtualConsole con;
  QueuePicks(con, 'W', 3);
  EXPECT_EQ(StartNewGame(g, con), Step::TurnTop);

  ASSERT_FALSE(con.sounds().empty());
  EXPECT_EQ(con.sounds().front(), (SoundEvent{"wav/SFX/splash.wav", false}));
  EXPECT_EQ(con.randomizeCount(), 1);
  EXPECT_EQ(g.Points, 0);
  EXPECT_EQ(g.PlayerCaptureCount, 0);
  EXPECT_EQ(g.PlayerCaptures[1], "  ");
  EXPECT_EQ(g.HintMove, MoveRecord{});
  EXPECT_EQ(g.WhiteKingSideOK, 1);
  EXPECT_EQ(g.CheckState(kDirectCheckRow, kCheckPiece), 0);
  EXPECT_EQ(g.PawnJump, PawnJumpRecord{});
  EXPECT_EQ(g.DescriptiveOutput, 0);
  EXPECT_EQ(g.EndReason, kReasonCheckmate);
  EXPECT_EQ(g.Voice, "SFX");
  EXPECT_EQ(g.MsgRow, 1);
  EXPECT_DOUBLE_EQ(g.StartTime, con.timer());
}

TEST(StartNewGame, HintLimitFollowsTheLevel) {
  const std::pair<int, int> cases[] = {{0, 2}, {3, 14}, {8, 34}, {9, 9999}};
  for (const auto& [level, limit] : cases) {
    GameState g = FreshState();
    VirtualConsole con;
    QueuePicks(con, 'W', level);
    StartNewGame(g, con);
    EXPECT_EQ(g.Level, level);
    EXPECT_EQ(g.HintLimit, limit) << "level " << level;
  }
}

TEST(StartNewGame, PicksWaitThroughOtherClicksAndTakeTypedAnswers) {
  GameState g = FreshState();
  VirtualConsole con;
  con.queueClick(22, 8);   // between BLACK and WHITE
  con.queueClick(21, 10);  // WHITE's column, wrong row
  con.queueLine("x");
  con.queueLine("w");
  con.queueClick(22, 4);   // an even column of the digits
  con.queueLine("12");
  con.queueLine("7");
  EXPECT_EQ(StartNewGame(g, con), Step::TurnTop);
  EXPECT_EQ(con.pendingInput(), 0u);
  EXPECT_EQ(g.ComputerSide, kBlack);
  EXPECT_EQ(g.Level, 7);
  EXPECT_EQ(g.HintLimit, 30);
}

TEST(TurnLoop, PlayingBlackTheComputerMovesFirstAndMoveOneIsShown) {
  GameState g = FreshState();
  VirtualConsole con;
  QueuePicks(con, 'B', 3);
  ASSERT_TRUE(RunUntilScriptEnds(g, con));

  EXPECT_EQ(g.ComputerSide, kWhite);
  EXPECT_EQ(g.PlayerLetter, "B");
  EXPECT_GT(g.ComputerMove.piece, 0);
  EXPECT_EQ(g.MovePiece, g.ComputerMove.piece);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.HistoryCount, 1);
  EXPECT_NE(g.GameBoard, test::StartBoard());
  EXPECT_EQ(con.rowText(20),
            Row("  Move: 1. You are 0 points AHEAD after 0 min. Level: 3   "));
}

TEST(TurnLoop, StatusLineCountsWholeMinutes) {
  GameState g = FreshState();
  VirtualConsole con;
  QueuePicks(con, 'W', 5);
  StartNewGame(g, con);

  g.StartTime = con.timer() - 59.0;
  EXPECT_EQ(TurnTop(g, con), Step::PlayerPrompt);
  EXPECT_EQ(g.ElapsedMinutes, 0);
  EXPECT_EQ(con.rowText(20),
            Row("  Move: 1. You are 0 points AHEAD after 0 min. Level: 5   "));

  g.StartTime = con.timer() - 60.0;
  TurnTop(g, con);
  EXPECT_EQ(g.ElapsedMinutes, 1);
  EXPECT_EQ(con.rowText(20),
            Row("  Move: 1. You are 0 points AHEAD after 1 min. Level: 5   "));
}

TEST(TurnLoop, StatusLineShowsTheMagnitudeOfALoss) {
  GameState g = FreshState();
  VirtualConsole con;
  QueuePicks(con, 'W', 3);
  StartNewGame(g, con);
  g.Points = -12;
  g.MoveNumber = 14;
  TurnTop(g, con);
  EXPECT_EQ(con.rowText(20),
            Row("  Move: 14. You are 12 points BEHIND after 0 min. Level: 3   "));
}

TEST(TurnLoop, PromptClearsItsRowsBeforeReading) {
  GameState g = FreshState();
  VirtualConsole con;
  QueuePicks(con, 'W', 3);
  StartNewGame(g, con);
  for (int row = 21; row <= 24; ++row) {
    con.locate(row, 1);
    con.print(std::string(80, 'x'));
  }
  con.queueClick(18, 53);  // HINT: nothing to show at the first move
  EXPECT_EQ(PlayerPrompt(g, con), Step::PlayerPrompt);
  EXPECT_EQ(g.InputLine, "HINT");
  EXPECT_EQ(g.Code2, "HI");
  EXPECT_EQ(g.EndReason, kReasonCheckmate);
  const std::string rest(6, 'x');  // the prompt clears 74 columns, the entry's rows 62
  EXPECT_EQ(con.rowText(21), Row("  Click Piece and then Destination").substr(0, 74) + rest);
  EXPECT_EQ(con.rowText(22), std::string(74, ' ') + rest);
  EXPECT_EQ(con.rowText(23), std::string(62, ' ') + std::string(18, 'x'));
  EXPECT_EQ(con.rowText(24), std::string(74, ' ') + rest);
}

}  // namespace
}  // namespace bdvx
