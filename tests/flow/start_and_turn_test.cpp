// A new game's picks and set-up, the status line, and whose turn it is.
#include <gtest/gtest.h>

#include <tuple>

#include "flow_support.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::QueuePicks;
using test::Row;

class StartAndTurn : public test::StartedGame {
 protected:
  // Plays from the picks until the script runs out.
  void Play(char colour) {
    QueuePicks(con, colour, 3);
    ASSERT_TRUE(test::RunUntilScriptEnds(g, con));
  }
};

const std::string kFirstStatus = "  Move: 1. You are 0 points AHEAD after 0 min. Level: 3   ";

TEST_F(StartAndTurn, FirstStatusLineAsWhiteAtLevelThree) {
  Play('W');
  EXPECT_EQ(con.rowText(20), Row(kFirstStatus));
  EXPECT_EQ(con.rowText(21), Row("  Click Piece and then Destination"));
  EXPECT_EQ(con.rowText(1).substr(0, 8), "NEW LOAD");
  EXPECT_EQ(g.GameBoard, test::StartBoard());
  EXPECT_EQ(std::tuple(g.MoveNumber, g.ComputerSide, g.MovePiece, g.LastMoverSide),
            std::tuple(1, kBlack, -1, -1));
  EXPECT_EQ(g.PlayerLetter, "W");
  EXPECT_EQ(g.ComputerMove.piece, 0);  // no flash before the computer has moved
}

TEST_F(StartAndTurn, PlayingBlackTheComputerMovesFirstAndMoveOneIsShown) {
  Play('B');
  EXPECT_EQ(std::tuple(g.ComputerSide, g.MovePiece, g.MoveNumber, g.HistoryCount),
            std::tuple(kWhite, g.ComputerMove.piece, 1, 1));
  EXPECT_EQ(g.PlayerLetter, "B");
  EXPECT_GT(g.ComputerMove.piece, 0);
  EXPECT_NE(g.GameBoard, test::StartBoard());
  EXPECT_EQ(con.rowText(20), Row(kFirstStatus));
}

TEST_F(StartAndTurn, SplashCueThenSeedThenFreshCounters) {
  // Left-overs of an earlier game that a new one must clear; the voice stays.
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
  QueuePicks(con, 'W', 3);
  EXPECT_EQ(StartNewGame(g, con), Step::TurnTop);

  ASSERT_FALSE(con.sounds().empty());
  EXPECT_EQ(con.sounds().front(), (SoundEvent{"wav/SFX/splash.wav", false}));
  EXPECT_EQ(con.randomizeCount(), 1);
  EXPECT_EQ(std::tuple(g.Points, g.PlayerCaptureCount, g.WhiteKingSideOK, g.DescriptiveOutput,
                       g.MsgRow, g.CheckState(kDirectCheckRow, kCheckPiece)),
            std::tuple(0, 0, 1, 0, 1, 0));
  EXPECT_EQ(std::tuple(g.PlayerCaptures[1], g.EndReason, g.Voice),
            std::tuple("  ", kReasonCheckmate, "SFX"));
  EXPECT_EQ(g.HintMove, MoveRecord{});
  EXPECT_EQ(g.PawnJump, PawnJumpRecord{});
  EXPECT_DOUBLE_EQ(g.StartTime, con.timer());
}

TEST_F(StartAndTurn, HintLimitFollowsTheLevel) {
  const std::pair<int, int> cases[] = {{0, 2}, {3, 14}, {8, 34}, {9, 9999}};
  for (const auto& [level, limit] : cases) {
    SCOPED_TRACE(level);
    Start('W', level);
    EXPECT_EQ(g.Level, level);
    EXPECT_EQ(g.HintLimit, limit);
  }
}

TEST_F(StartAndTurn, PicksWaitThroughOtherClicksAndTakeTypedAnswers) {
  con.queueClick(22, 8);   // between BLACK and WHITE
  con.queueClick(21, 10);  // WHITE's column, wrong row
  con.queueLine("x");
  con.queueLine("w");
  con.queueClick(22, 4);   // an even column of the digits
  con.queueLine("12");
  con.queueLine("7");
  EXPECT_EQ(StartNewGame(g, con), Step::TurnTop);
  EXPECT_EQ(con.pendingInput(), 0u);
  EXPECT_EQ(std::tuple(g.ComputerSide, g.Level, g.HintLimit), std::tuple(kBlack, 7, 30));
}

TEST_F(StartAndTurn, StatusLineCountsWholeMinutesAndShowsTheMagnitudeOfALoss) {
  const struct {
    int level, points, moveNumber;
    double seconds;
    int minutes;
    std::string row;
  } cases[] = {
      {5, 0, 1, 59.0, 0, "  Move: 1. You are 0 points AHEAD after 0 min. Level: 5   "},
      {5, 0, 1, 60.0, 1, "  Move: 1. You are 0 points AHEAD after 1 min. Level: 5   "},
      {3, -12, 14, 0.0, 0, "  Move: 14. You are 12 points BEHIND after 0 min. Level: 3   "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    Start('W', c.level);
    g.Points = c.points;
    g.MoveNumber = c.moveNumber;
    g.StartTime = con.timer() - c.seconds;
    EXPECT_EQ(TurnTop(g, con), Step::PlayerPrompt);
    EXPECT_EQ(g.ElapsedMinutes, c.minutes);
    EXPECT_EQ(con.rowText(20), Row(c.row));
  }
}

TEST_F(StartAndTurn, PromptClearsItsRowsBeforeReading) {
  Start();
  for (int row = 21; row <= 24; ++row) {
    con.locate(row, 1);
    con.print(std::string(80, 'x'));
  }
  con.queueClick(18, 53);  // HINT: nothing to show at the first move
  EXPECT_EQ(PlayerPrompt(g, con), Step::PlayerPrompt);
  EXPECT_EQ(std::tuple(g.InputLine, g.Code2, g.EndReason),
            std::tuple("HINT", "HI", kReasonCheckmate));
  // The prompt clears 74 columns of its rows, the entry's row 23 only 62.
  const std::string rest(6, 'x');
  EXPECT_EQ(con.rowText(21), Row("  Click Piece and then Destination").substr(0, 74) + rest);
  EXPECT_EQ(con.rowText(22), std::string(74, ' ') + rest);
  EXPECT_EQ(con.rowText(23), std::string(62, ' ') + std::string(18, 'x'));
  EXPECT_EQ(con.rowText(24), std::string(74, ' ') + rest);
}

TEST_F(StartAndTurn, LongTypedEntryLeavesNothingTheNextPromptDoesNotClear) {
  Start();
  con.queueLine("ZZ" + std::string(78, 'x'));  // to the last column of the echo row
  EXPECT_EQ(PlayerPrompt(g, con), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23), Row("  ZZ is invalid menu command"));
  EXPECT_THROW(PlayerPrompt(g, con), ScriptExhausted);  // the next prompt, waiting
  EXPECT_EQ(con.rowText(22), Row(""));
}

}  // namespace
}  // namespace bdvx
