// The menu commands as the prompt hands them the entry.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <tuple>

#include "console/screens.h"
#include "core/number_text.h"
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
  bool BoardDrawn() const { return con.textAt(18, 44, 12) == "CANCEL  HINT"; }
  bool MenuShown() const { return con.rowText(1).substr(0, kMenuLine.size()) == kMenuLine; }
};

TEST_F(Commands, AnyEntryBeginningWithHeActsAsHelp) {
  for (const char* entry : {"HELLO", "he"}) {
    SCOPED_TRACE(entry);
    Start();
    EXPECT_EQ(Enter(entry), Step::PlayerPrompt);
    EXPECT_EQ(con.rowText(3), Row(" Enter a move by:"));
  }
}

TEST_F(Commands, StayingCommandsAnswerOnRowTwentyThreeWithoutARedraw) {
  const struct {
    std::string entry;
    int level, moveNumber;
    MoveRecord hint;
    std::string row23;
  } cases[] = {
      {"HINT", 3, 1, {}, ""},  // the first move: nothing to show yet
      {"HINT", 3, 2, {-1, 2, 4, 3, 4}, "  Hint: Move PAWN   from ( 2 4) to ( 3 4)   "},
      {"HINT", 0, 5, {}, "  No hints after move 2 for Level 0"},
      {"USCF", 3, 1, {}, "  Toggled Descriptive/RowCol Output"},
      {"NOW", 3, 1, {}, "  NO is invalid menu command"},  // not NEW
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry + " " + c.row23);
    Start('W', c.level);
    g.MoveNumber = c.moveNumber;
    g.HintMove = c.hint;
    MarkScreen();
    EXPECT_EQ(Enter(c.entry), Step::PlayerPrompt);
    EXPECT_EQ(con.rowText(23), Row(c.row23));
    EXPECT_EQ(g.MovePiece, kNoPiece);
    EXPECT_TRUE(MarkStands());
    EXPECT_TRUE(MenuShown());
  }
}

TEST_F(Commands, UscfTwiceRestoresTheRowColumnForm) {
  Start();
  Enter("USCF");
  EXPECT_EQ(g.DescriptiveOutput, 1);
  Enter("US");
  EXPECT_EQ(g.DescriptiveOutput, 0);
}

TEST_F(Commands, ResignLeavesForTheGameEndWithTheComputerAsWinner) {
  Start();
  EXPECT_EQ(Enter("RESIGN"), Step::EndGame);
  EXPECT_EQ(g.MovePiece, g.ComputerSide);
  EXPECT_EQ(g.EndReason, kReasonResigned);
  EXPECT_EQ(con.rowText(6), Row(" THANK-YOU! Your resignation accepted."));
  EXPECT_EQ(con.rowText(20), Row(""));  // the screen was cleared
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
  EXPECT_TRUE(BoardDrawn());

  Enter("ABOUT");
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/about.wav", true}));
  EXPECT_EQ(con.rowText(3).substr(0, 30), "This unrated program acts as a");
}

TEST_F(Commands, ParseShowsBothArraysAsNumbers) {
  Start();
  g.GameBoard(4, 4) = -9;  // a piece that makes the parse array differ from the start
  ParseArray parse;
  BuildParseBoard(g.GameBoard, parse);
  EXPECT_EQ(Enter("PARSE"), Step::PlayerPrompt);

  const std::string columns = "      1 2 3 4 5 6 7 8         1 2 3 4 5 6 7 8       ";
  EXPECT_EQ(con.rowText(3), Row("        PARSE ARRAY             BOARD ARRAY         "));
  EXPECT_EQ(con.rowText(4), Row(columns));
  EXPECT_EQ(con.rowText(13), Row(columns));
  // The column lines in light cyan on blue, the grid in the normal colours.
  EXPECT_EQ(std::tuple(con.cell(4, 1).fg, con.cell(4, 1).bg, con.cell(5, 1).fg, con.cell(5, 1).bg),
            std::tuple(kColorLightCyan, kColorBlue, kNormalFg, kNormalBg));
  for (int r = 1; r <= 8; ++r) {
    std::string expected = " " + NumberText(r) + " *";
    for (int c = 1; c <= 8; ++c) expected += NumberText(parse(r, c));
    expected += " * " + NumberText(r) + "  *";
    for (int c = 1; c <= 8; ++c) expected += NumberText(g.GameBoard(r, c));
    expected += " *" + NumberText(r);
    EXPECT_EQ(con.rowText(4 + r), Row(expected)) << "board row " << r;
  }
  // Row 1 of the board: the Black back row, whose king's code is wider.
  EXPECT_EQ(con.rowText(5).substr(29, 26), "-5-3-4-9-10-4-3-5 * 1     ");
}

TEST_F(Commands, VoiceByClickOrTypedCodeThenRedraw) {
  Start();
  con.queueClick(5, 7);  // ENW
  EXPECT_EQ(Enter("VOICE"), Step::PlayerPrompt);
  EXPECT_EQ(g.Voice, "ENW");
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENW/awesome.wav", true}));
  EXPECT_EQ(con.rowText(23), Row("  Computer Voice: ENW"));
  EXPECT_TRUE(BoardDrawn());
  EXPECT_TRUE(MenuShown());

  con.queueLine("xyz");  // no voice: asked again
  con.queueLine("spw");
  Enter("VO");
  EXPECT_EQ(g.Voice, "SPW");
  EXPECT_EQ(con.rowText(23), Row("  Computer Voice: SPW"));
}

TEST_F(Commands, TypedSquaresOnlyFromAMoveText) {
  const struct {
    const char* entry;
    int fromRow, fromCol, toRow, toCol;
  } cases[] = {
      {"WP 7X 55", 7, 0, 5, 5},  // 'X' is no digit
      {"WP 75 5", 0, 0, 0, 0},   // seven characters
      {"WP-75 55", 0, 0, 0, 0},  // no blank at character 3
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    Start();
    EXPECT_EQ(Enter(c.entry), Step::PlayerPrompt);
    EXPECT_EQ(std::tuple(g.TypedFromRow, g.TypedFromCol, g.TypedToRow, g.TypedToCol),
              std::tuple(c.fromRow, c.fromCol, c.toRow, c.toCol));
    EXPECT_EQ(con.rowText(23), Row("  Invalid input or Off Board. Style: WP 75 55"));
  }
}

TEST_F(Commands, SideLessPieceTextBecomesThePlayersPiece) {
  Start();
  EXPECT_EQ(Enter("P  75 55"), Step::MoveExecution);
  EXPECT_EQ(g.Code2, "WP");
  EXPECT_EQ(std::tuple(g.MovePiece, g.FromRow, g.ToRow), std::tuple(1, 7, 5));
}

class FileCommands : public Commands {
 protected:
  test::TempWorkDir dir;
};

TEST_F(FileCommands, SaveThenLoadRestoresTheGame) {
  Start();
  g.GameBoard(7, 5) = 0;
  g.GameBoard(5, 5) = 1;
  std::tie(g.MoveNumber, g.Points, g.ElapsedMinutes, g.HistoryCount) = std::tuple(4, 3, 7, 2);
  const Board saved = g.GameBoard;

  EXPECT_EQ(Enter("SAVE"), Step::PlayerPrompt);
  EXPECT_EQ(g.EndReason, kReasonSnapshot);
  EXPECT_EQ(con.rowText(23),
            Row("  Snapshot saved (Transcript: BDVXHIST12-06-2026.txt)                "));
  EXPECT_TRUE(std::filesystem::is_regular_file(kSnapshotFileName));
  EXPECT_TRUE(std::filesystem::is_regular_file("BDVXHIST12-06-2026.TXT"));

  g.GameBoard = test::StartBoard();
  std::tie(g.MoveNumber, g.Points, g.ElapsedMinutes, g.HistoryCount) = std::tuple(9, 0, 0, 5);
  g.PgnMoves = {"d4"};
  con.advanceClock(30.5);

  EXPECT_EQ(Enter("LOAD"), Step::PlayerPrompt);
  EXPECT_EQ(g.GameBoard, saved);
  // The history is emptied and the level is not part of the snapshot.
  EXPECT_EQ(std::tuple(g.MoveNumber, g.Points, g.ElapsedMinutes, g.HistoryCount, g.Level),
            std::tuple(4, 3, 7, 0, 3));
  EXPECT_DOUBLE_EQ(g.StartTime, std::floor(con.timer() - 7 * 60.0));
  // The PGN starts afresh from the restored board, White to move.
  EXPECT_EQ(g.PgnStartFen, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 1");
  EXPECT_TRUE(g.PgnMoves.empty());
  EXPECT_EQ(con.rowText(23),
            Row("  Game snapshot restored                                     "));
  EXPECT_TRUE(BoardDrawn());
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
