#include "game/game_end.h"

#include <cmath>
#include <string>

#include "console/board_display.h"
#include "core/piece_text.h"
#include "game/command_actions.h"
#include "game/entry.h"
#include "game/record_files.h"
#include "records/scorecard.h"

namespace bdvx {

namespace {

// The player's rating and class on two lines at the cursor, then the game's
// line in the scorecard; false when the scorecard could not be written.
bool RecordScore(GameState& g, Console& con) {
  const RatingEstimate estimate = EstimateRating(g.MoveNumber, g.Points, g.MovePiece,
                                                 g.ComputerSide, g.ElapsedMinutes, g.Level,
                                                 g.EndReason);
  con.print("  YOU must be a " + ClassName(estimate.classIndex) + " rated about");
  con.printNumber(estimate.rating);
  con.newLine();
  con.printLine(std::string(52, ' '));
  return AppendScorecardLine(con.dateString(), con.timeString(), estimate, g.MoveNumber,
                             g.ElapsedMinutes, g.Level, g.EndReason);
}

}  // namespace

Step EndGame(GameState& g, Console& con) {
  g.Winner = g.MovePiece < 0 ? kWordBlack : kWordWhite;
  if (g.EndReason == kReasonDraw) g.Winner = "NONE ";

  // The menu line goes; the final board stays.
  con.locate(1, 1);
  con.printLine(std::string(77, ' '));
  DrawBoard(con, g.GameBoard, g.ComputerSide, g.ComputerCaptures, g.PlayerCaptures);
  g.ElapsedMinutes = static_cast<int>(std::floor((con.timer() - g.StartTime) / 60.0));

  // The end line over the status line; its printLine leaves the cursor at
  // row 21, column 1, where the rating lines go.
  con.locate(20, 1);
  con.print(" ");
  con.print(g.EndReason);
  con.print("... ");
  con.print(g.Winner);
  con.print(" wins in");
  con.printNumber(g.MoveNumber);
  con.print(" moves and");
  con.printNumber(g.ElapsedMinutes);
  con.print(" min.  Level:");
  con.printNumber(g.Level);
  con.printLine("    ");

  const bool scoreWritten = RecordScore(g, con);
  con.playSound("wav/" + g.Voice + "/applause.wav", false);

  const bool transcriptWritten = WriteGameTranscript(g, con);
  const bool pgnWritten = WriteGamePgn(g, con);

  // The files are named only when written: the scorecard beside a written
  // transcript, nothing over a failed one (the failure line below names it).
  const std::string transcript = "  Transcript: BDVXHIST" + con.dateString() + ".txt";
  const std::string scorecard = ", BDVXSCORES.TXT";
  con.locate(23, 1);
  con.printLine(ShownIf(transcriptWritten, transcript) +
                ShownIf(transcriptWritten && scoreWritten, scorecard) + std::string(16, ' '));
  ReportUnwritten(con, 24,
                  {{TodaysTranscriptName(con), transcriptWritten},
                   {TodaysPgnName(con), pgnWritten},
                   {kScorecardFileName, scoreWritten}});
  con.locate(23, 55);
  con.print("Tap Enter ");
  ReadKeyLine(con);
  return Step::ExitProgram;
}

}  // namespace bdvx
