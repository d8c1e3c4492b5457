// Every way a game ends: the end line, the records, the final pause.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "console/board_display.h"
#include "flow_support.h"
#include "game/game_end.h"
#include "records/scorecard.h"
#include "test_support.h"

namespace bdvx {
namespace {

using test::Row;
namespace fs = std::filesystem;

const std::string kTranscript = "BDVXHIST12-06-2026.TXT";
const std::string kPgn = "BDVXHIST12-06-2026.PGN";

// Plays a game from the picks to the menu word at column menuCol and the
// final pause.
void PlayUntilMenuWord(GameState& g, VirtualConsole& con, char colour, int menuCol) {
  test::QueuePicks(con, colour, 3);
  con.queueClick(1, menuCol);
  con.queueLine("");
  EXPECT_EQ(RunGame(g, con), 0);
}

class GameEnd : public ::testing::Test {
 protected:
  // A game over after moveNumber moves and minutes (and a half) at the level,
  // ended by the reason with movePiece the last piece moved.
  void Finish(int movePiece, const std::string& reason, int moveNumber, int minutes, int level,
              const Board& board) {
    g.GameBoard = board;
    g.PlayerCaptures.fill("  ");
    g.ComputerCaptures.fill("  ");
    g.MovePiece = movePiece;
    g.EndReason = reason;
    g.MoveNumber = moveNumber;
    g.Level = level;
    g.StartTime = con.timer() - 60.0 * minutes - 30.0;
  }
  void Finish(int movePiece, const std::string& reason, int moveNumber, int minutes, int level) {
    Finish(movePiece, reason, moveNumber, minutes, level, g.InitialBoard);
  }
  test::TempWorkDir dir;
  VirtualConsole con;
  GameState g = test::FreshState();
};

TEST_F(GameEnd, CheckmateByWhite) {
  Finish(9, kReasonCheckmate, 23, 12, 4);
  con.queueLine("");
  EXPECT_EQ(EndGame(g, con), Step::ExitProgram);

  EXPECT_EQ(std::tuple(g.Winner, g.ElapsedMinutes), std::tuple("WHITE", 12));
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
  EXPECT_TRUE(fs::is_regular_file(kTranscript));
  EXPECT_TRUE(fs::is_regular_file(kScorecardFileName));
}

TEST_F(GameEnd, DrawNamesNoWinner) {
  Finish(-3, kReasonDraw, 9, 2, 1);
  con.queueLine("");
  EndGame(g, con);
  EXPECT_EQ(g.Winner, "NONE ");
  EXPECT_EQ(con.rowText(20),
            Row("  **DRAW** ... NONE  wins in 9 moves and 2 min.  Level: 1    "));
  EXPECT_NE(test::ReadFile(kScorecardFileName).find(" **DRAW** "), std::string::npos);
}

TEST_F(GameEnd, ComputerResignsAndThePlayerWins) {
  // The computer (Black) has no move: its king is stalemated in the corner.
  Finish(9, kReasonCheckmate, 5, 0, 3,
         test::MakeBoard({"BK::::::::::::::", "::::::::::::::::", "::WQ::::::::::::",
                          "::::::::::::::::", "::::::::::::::::", "::::::::::::::::",
                          "::::::::::::::::", "::::::::::::::WK"}));
  g.LastMoverSide = 9;
  g.StartTime = con.timer();

  EXPECT_EQ(TurnTop(g, con), Step::EndGame);
  EXPECT_EQ(std::tuple(g.ComputerMove.piece, g.MoveNumber, g.MsgRow), std::tuple(0, 6, 2));
  EXPECT_EQ(con.rowText(2), Row(" This Chess program RESIGNS."));
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/RESIGN.wav", true}));
  EXPECT_EQ(g.EndReason, kReasonResigned);

  con.queueLine("");
  EndGame(g, con);
  EXPECT_EQ(con.rowText(20),
            Row("  RESIGNED ... WHITE wins in 6 moves and 0 min.  Level: 3    "));
}

TEST_F(GameEnd, PlayerResignsAndTheComputersSideWins) {
  for (const auto& [colour, winner] : {std::pair{'W', "BLACK"}, std::pair{'B', "WHITE"}}) {
    SCOPED_TRACE(colour);
    GameState g = test::FreshState();
    VirtualConsole con;
    PlayUntilMenuWord(g, con, colour, test::kResignCol);
    EXPECT_EQ(g.Winner, winner);
    EXPECT_EQ(con.rowText(20), Row(std::string("  RESIGNED ... ") + winner +
                                   " wins in 1 moves and 0 min.  Level: 3    "));
    EXPECT_EQ(con.rowText(6), Row(" THANK-YOU! Your resignation accepted."));
    EXPECT_EQ(con.pendingInput(), 0u);
  }
}

TEST_F(GameEnd, ExitWritesTheTranscriptAndThePgnButNoScorecard) {
  PlayUntilMenuWord(g, con, 'W', test::kExitCol);
  EXPECT_EQ(g.EndReason, kReasonUserExit);
  EXPECT_EQ(con.sounds().back(), (SoundEvent{"wav/ENG/goodbye.wav", true}));
  EXPECT_EQ(con.textAt(23, 1, 54),
            "  Transcript: BDVXHIST12-06-2026.txt" + std::string(18, ' '));
  EXPECT_EQ(con.textAt(23, 55, 12), "Tap Enter ? ");
  EXPECT_TRUE(fs::is_regular_file(kTranscript));
  EXPECT_NE(test::ReadFile(kPgn).find("[Termination \"unterminated\"]\r\n\r\n"
                                      "{Game left unfinished} *\r\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(kScorecardFileName));
}

TEST_F(GameEnd, ExitNamesNoTranscriptThatCouldNotBeWritten) {
  fs::create_directory(kTranscript);  // in the way of the file
  PlayUntilMenuWord(g, con, 'W', test::kExitCol);
  EXPECT_EQ(con.textAt(23, 1, 55), std::string(54, ' ') + "T");
  EXPECT_EQ(con.rowText(24).substr(0, 38), "  Cannot write BDVXHIST12-06-2026.TXT ");
}

// Row 23 names only the files that were written; row 24 the others.
TEST_F(GameEnd, EndNamesOnlyTheFilesThatWereWritten) {
  const struct {
    std::string blocked;
    std::string row23;
    std::string row24;
  } cases[] = {
      {kScorecardFileName, "  Transcript: BDVXHIST12-06-2026.txt", "  Cannot write BDVXSCORES.TXT"},
      {kTranscript, "", "  Cannot write BDVXHIST12-06-2026.TXT"},
      {kPgn, "  Transcript: BDVXHIST12-06-2026.txt, BDVXSCORES.TXT",
       "  Cannot write BDVXHIST12-06-2026.PGN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.blocked);
    test::TempWorkDir scratch;
    VirtualConsole fresh;
    fs::create_directory(c.blocked);  // in the way of the file
    Finish(-9, kReasonCheckmate, 30, 40, 2);
    fresh.queueLine("");
    EXPECT_EQ(EndGame(g, fresh), Step::ExitProgram);
    EXPECT_EQ(fresh.textAt(23, 1, 54), Row(c.row23).substr(0, 54));
    EXPECT_EQ(fresh.rowText(24).substr(0, 40), Row(c.row24).substr(0, 40));
    EXPECT_EQ(fresh.textAt(21, 1, 16), "  YOU must be a ");  // the rating is shown all the same
  }
}

// The PGN of the endings the move execution makes: the moves that stood,
// how the game ended, the result.
TEST_F(GameEnd, PgnClosesWithHowTheGameEndedAndTheResult) {
  const struct {
    int movePiece;
    std::string reason;
    std::vector<std::string> moves;
    std::string result;
    std::string movetext;
  } cases[] = {
      {kRook, kReasonCheckmate, {"Ra8#"}, "1-0", "1. Ra8# {White checkmates} 1-0"},
      // Taking a king cannot be written: the moves stop before it.
      {-kQueen, kReasonCheckmate, {"e4"}, "0-1", "1. e4 {Black takes the White king} 0-1"},
      {-kKnight, kReasonDraw, {"Nf3", "Nf6", "Ng1", "Ng8", "Nf3"}, "1/2-1/2",
       "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 {Draw by repetition} 1/2-1/2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.movetext);
    Finish(c.movePiece, c.reason, 3, 1, 2);
    g.PgnMoves = c.moves;
    con.queueLine("");
    EndGame(g, con);
    const std::string pgn = test::ReadFile(kPgn);
    EXPECT_NE(pgn.find("[Result \"" + c.result + "\"]\r\n[Termination \"normal\"]\r\n\r\n" +
                       c.movetext + "\r\n\r\n"),
              std::string::npos)
        << pgn;
  }
}

}  // namespace
}  // namespace bdvx
