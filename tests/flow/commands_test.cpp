// The menu commands as the prompt hands them the entry.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "console/screens.h"
#include "engine/parse_board.h"
#include "flow_support.h"
#include "records/snapshot.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::Row;

class Commands : public test::StartedGame {
 protected:
  // Writes a mark on the status line that any redraw would wipe.
  void MarkScreen() {
    con.locate(20, 70);
    con.print("MARK");
  }
  bool MarkStands() const { return con.textAt(20, 70, 4) == "MARK"; }
  std::string Blank() const { return Row(""); }
};

TEST_F(Commands, RecognisedByTheirFirstTwoLettersOnly) {
  Start();
  EXPECT_EQ(Enter("HELLO"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(3), Row(" Enter a move by:"));

  Start();
  EXPECT_EQ(Enter("he"), Step::PlayerPrompt);  // typed in lower case
  EXPECT_EQ(con.rowText(3), Row(" Enter a move by:"));

  Start();
  MarkScreen();
  EXPECT_EQ(Enter("NOW"), Step::PlayerPrompt);  // not NEW
  EXPECT_EQ(con.rowText(23), Row("  NO is invalid menu command"));
  EXPECT_TRUE(MarkStands());
  EXPECT_EQ(g.MovePiece, kNoPiece);
}

TEST_F(Commands, StayingCommandsDoNotRedraw) {
  Start();
  MarkScreen();
  EXPECT_EQ(Enter("HINT"), Step::PlayerPrompt);
  EXPECT_TRUE(MarkStands());
  EXPECT_EQ(Enter("USCF"), Step::PlayerPrompt);
  EXPECT_TRUE(MarkStands());
  EXPECT_EQ(con.rowText(1).substr(0, kMenuLine.size()), kMenuLine);
}

TEST_F(Commands, HintAtTheFirstMoveShowsNothing) {
  Start();
  EXPECT_EQ(Enter("HINT"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23), Blank());
}

TEST_F(Commands, HintShowsTheExpectedReply) {
  Start();
  g.HintMove = {-1, 2, 4, 3, 4};
  g.MoveNumber = 2;
  Enter("HINT");
  EXPECT_EQ(con.rowText(23), Row("  Hint: Move PAWN   from ( 2 4) to ( 3 4)   "));
}

TEST_F(Commands, NoHintsPastTheLevelsLimit) {
  Start('W', 0);
  g.MoveNumber = 5;
  Enter("HINT");
  EXPECT_EQ(con.rowText(23), Row("  No hints after move 2 for Level 0"));
}

TEST_F(Commands, UscfTwiceRestoresTheRowColumnForm) {
  Start();
  Enter("USCF");
  EXPECT_EQ(g.DescriptiveOutput, 1);
  EXPECT_EQ(con.rowText(23), Row("  Toggled Descriptive/RowCol Output"));
  Enter("US");
  EXPECT_EQ(g.DescriptiveOutput, 0);
}

TEST_F(Commands, ResignLeavesForTheGameEndWithTheComputerAsWinner) {
  Start();
  EXPECT_EQ(Enter("RESIGN"), Step::EndGame);
  EXPECT_EQ(g.MovePiece, g.ComputerSide);
  EXPECT_EQ(g.EndReason, kReasonResigned);
  EXPECT_EQ(con.rowText(6), Row(" THANK-YOU! Your resignation accepted."));
  EXPECT_EQ(con.rowText(20), Blank());  // the screen was cleared
}

TEST_F(Commands, NewLeavesForANewGame) {
  Start();
  EXPECT_EQ(Enter("NEW"), Step::StartNewGame);
}

TEST_F(Commands, DisplayAndAboutRedraw) {
  Start();
  MarkScreen();
  Enter("DISPLAY");
  EXPECT_FALSE(MarkStands());
  EXPECT_EQ(con.textAt(18, 44, 12), "CANCEL  HINT");

  Enter("ABOUT");
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/about.wav", true}));
  EXPECT_EQ(con.rowText(3).substr(0, 30), "This unrated program acts as a");
}

TEST_F(Commands, ParseShowsBothArraysAsNumbers) {
  Start();
  g.GameBoard(4, 4) = -9;  // a piece that makes the parse array differ from the start
  ParseArray parse;
  BuildParseBoard(con, g.GameBoard, parse);
  EXPECT_EQ(Enter("PARSE"), Step::PlayerPrompt);

  const std::string columns = "      1 2 3 4 5 6 7 8         1 2 3 4 5 6 7 8       ";
  EXPECT_EQ(con.rowText(3), Row("        PARSE ARRAY             BOARD ARRAY         "));
  EXPECT_EQ(con.rowText(4), Row(columns));
  EXPECT_EQ(con.rowText(13), Row(columns));
  EXPECT_EQ(con.cell(4, 1).fg, kColorLightCyan);
  EXPECT_EQ(con.cell(4, 1).bg, kColorBlue);
  EXPECT_EQ(con.cell(5, 1).fg, kNormalFg);
  EXPECT_EQ(con.cell(5, 1).bg, kNormalBg);
  for (int r = 1; r <= 8; ++r) {
    std::string expected = " " + NumberText(r) + " *";
    for (int c = 1; c <= 8; ++c) expected += NumberText(parse(r, c));
    expected += " * " + NumberText(r) + "  *";
    for (int c = 1; c <= 8; ++c) expected += NumberText(g.GameBoard(r, c));
    expected += " *" + NumberText(r);
    EXPECT_EQ(con.rowText(4 + r), Row(expected)) << "board row " << r;
  }
  // Row 1 of the board: the Black back row, with the wider codes.
  EXPECT_EQ(con.rowText(5).substr(29, 26), "-5-3-4-9-10-4-3-5 * 1     ");
}

TEST_F(Commands, VoiceByClickThenRedraw) {
  Start();
  con.queueClick(5, 7);  // ENW
  EXPECT_EQ(Enter("VOICE"), Step::PlayerPrompt);
  EXPECT_EQ(g.Voice, "ENW");
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENW/awesome.wav", true}));
  EXPECT_EQ(con.rowText(23), Row("  Computer Voice: ENW"));
  EXPECT_EQ(con.textAt(18, 44, 12), "CANCEL  HINT");
  EXPECT_EQ(con.rowText(1).substr(0, kMenuLine.size()), kMenuLine);
}

TEST_F(Commands, VoiceByTypedCode) {
  Start();
  con.queueLine("xyz");  // no voice: asked again
  con.queueLine("spw");
  Enter("VO");
  EXPECT_EQ(g.Voice, "SPW");
  EXPECT_EQ(con.rowText(23), Row("  Computer Voice: SPW"));
}

TEST_F(Commands, TypedSquaresOnlyFromAMoveText) {
  Start();
  EXPECT_EQ(Enter("WP 7X 55"), Step::PlayerPrompt);
  EXPECT_EQ(g.TypedFromRow, 7);
  EXPECT_EQ(g.TypedFromCol, 0);  // not a digit
  EXPECT_EQ(g.TypedToRow, 5);
  EXPECT_EQ(con.rowText(23), Row("  Invalid input or Off Board. Style: WP 75 55"));

  Enter("WP 75 5");  // seven characters: no squares
  EXPECT_EQ(g.TypedFromRow, 0);
  EXPECT_EQ(g.TypedToCol, 0);

  Enter("WP-75 55");  // no blank at character 3
  EXPECT_EQ(g.TypedFromRow, 0);
}

TEST_F(Commands, SideLessPieceTextBecomesThePlayersPiece) {
  Start();
  EXPECT_EQ(Enter("P  75 55"), Step::MoveExecution);
  EXPECT_EQ(g.Code2, "WP");
  EXPECT_EQ(g.MovePiece, 1);
  EXPECT_EQ(g.FromRow, 7);
  EXPECT_EQ(g.ToRow, 5);
}

class FileCommands : public Commands {
 protected:
  test::TempWorkDir dir;
};

TEST_F(FileCommands, SaveThenLoadRestoresTheGame) {
  Start();
  g.GameBoard(7, 5) = 0;
  g.GameBoard(5, 5) = 1;
  g.MoveNumber = 4;
  g.Points = 3;
  g.ElapsedMinutes = 7;
  g.HistoryCount = 2;
  const Board saved = g.GameBoard;

  EXPECT_EQ(Enter("SAVE"), Step::PlayerPrompt);
  EXPECT_EQ(g.EndReason, kReasonSnapshot);
  EXPECT_EQ(con.rowText(23),
            Row("  Snapshot saved (Transcript: BDVXHIST12-06-2026.txt)                "));
  EXPECT_TRUE(std::filesystem::is_regular_file(kSnapshotFileName));
  EXPECT_TRUE(std::filesystem::is_regular_file("BDVXHIST12-06-2026.TXT"));

  g.GameBoard = test::StartBoard();
  g.MoveNumber = 9;
  g.Points = 0;
  g.ElapsedMinutes = 0;
  g.HistoryCount = 5;
  con.advanceClock(30.5);

  EXPECT_EQ(Enter("LOAD"), Step::PlayerPrompt);
  EXPECT_EQ(g.GameBoard, saved);
  EXPECT_EQ(g.MoveNumber, 4);
  EXPECT_EQ(g.Points, 3);
  EXPECT_EQ(g.ElapsedMinutes, 7);
  EXPECT_EQ(g.HistoryCount, 0);
  EXPECT_EQ(g.Level, 3);
  EXPECT_DOUBLE_EQ(g.StartTime, std::floor(con.timer() - 7 * 60.0));
  EXPECT_EQ(con.rowText(23),
            Row("  Game snapshot restored                                     "));
  EXPECT_EQ(con.textAt(18, 44, 12), "CANCEL  HINT");
}

TEST_F(FileCommands, LoadWithoutASnapshotChangesNothing) {
  Start();
  MarkScreen();
  const GameState before = g;
  EXPECT_EQ(Enter("LOAD"), Step::PlayerPrompt);
  EXPECT_EQ(con.rowText(23).substr(0, 34), "  Cannot find or Open BDVXSNAP.TXT");
  EXPECT_TRUE(MarkStands());
  EXPECT_EQ(g.GameBoard, before.GameBoard);
  EXPECT_EQ(g.MoveNumber, before.MoveNumber);
  EXPECT_DOUBLE_EQ(g.StartTime, before.StartTime);
}

TEST_F(FileCommands, SaveNamesTheFileThatCouldNotBeWritten) {
  Start();
  std::filesystem::create_directory(kSnapshotFileName);  // in the way of the file
  Enter("SAVE");
  EXPECT_EQ(con.rowText(23).substr(0, 28), "  Cannot write BDVXSNAP.TXT ");
  EXPECT_TRUE(std::filesystem::is_regular_file("BDVXHIST12-06-2026.TXT"));
}

}  // namespace
}  // namespace bdvx
