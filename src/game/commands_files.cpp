// The commands that write or read the record files: EXIT, SAVE and LOAD.
#include <cmath>

#include "console/board_display.h"
#include "console/screens.h"
#include "core/piece_text.h"
#include "game/board_report.h"
#include "game/command_actions.h"
#include "game/entry.h"
#include "game/record_files.h"
#include "records/pgn.h"
#include "records/snapshot.h"
#include "rules/attacks.h"
#include "rules/position_setup.h"

namespace bdvx {

// Leaves the program after writing the transcript and the PGN; no scorecard
// line. ElapsedMinutes is that of the last status line.
std::optional<Step> ExitCommand(GameState& g, Console& con) {
  g.EndReason = kReasonUserExit;
  const bool written = WriteGameTranscript(g, con);
  const bool pgnWritten = WriteGamePgn(g, con);
  con.playSound("wav/" + g.Voice + "/goodbye.wav", true);
  // The transcript is named only when it was written; otherwise the row is
  // blanked as wide and the failure line below says why.
  const std::string named = "  Transcript: BDVXHIST" + con.dateString() + ".txt";
  con.locate(23, 1);
  con.printLine(ShownIf(written, named) + std::string(24, ' '));
  ReportUnwritten(con, 24, {{TodaysTranscriptName(con), written}, {TodaysPgnName(con), pgnWritten}});
  con.locate(23, 55);
  con.print("Tap Enter ");
  ReadKeyLine(con);
  return Step::ExitProgram;
}

// The snapshot, a transcript and the PGN of the game so far; the
// confirmation only when all of them were written.
std::optional<Step> SaveCommand(GameState& g, Console& con) {
  g.EndReason = kReasonSnapshot;
  SquareTextFromBoard(g.GameBoard, g.SquareText);
  const bool snapshotWritten = SaveSnapshot(g);
  const bool transcriptWritten = WriteGameTranscript(g, con);
  const bool pgnWritten = WriteGamePgn(g, con);
  if (!ReportUnwritten(con, 23,
                       {{kSnapshotFileName, snapshotWritten},
                        {TodaysTranscriptName(con), transcriptWritten},
                        {TodaysPgnName(con), pgnWritten}})) {
    con.locate(23, 1);
    con.printLine("  Snapshot saved (Transcript: BDVXHIST" + con.dateString() +
                  ".txt)                ");
  }
  return std::nullopt;
}

// The saved game comes back with its clock minutes and an empty history; a
// snapshot that could not be used (a board without both kings among them)
// leaves the game as it was, so a bad file never costs the game in progress.
std::optional<Step> LoadCommand(GameState& g, Console& con) {
  if (!LoadGameSnapshot(g, con)) return std::nullopt;
  g.HistoryCount = 0;
  // The snapshot keeps no en-passant target: one remembered from the game
  // before would name a pawn of another position.
  g.PawnJump = PawnJumpRecord{};
  g.StartTime = std::floor(con.timer() - 60.0 * g.ElapsedMinutes);
  ShowBoardFromSquareText(g, con);
  // The PGN starts afresh from the restored board, the side that did not
  // move last to move, in the game's move.
  const int sideToMove = g.LastMoverSide > 0 ? kBlack : kWhite;
  BeginPgnRecord(g, con, FenOf(g, sideToMove, ChessMoveNumber(g, sideToMove)));
  con.locate(23, 1);
  con.printLine("  Game snapshot restored                                     ");
  return std::nullopt;
}

void ShowBoardFromSquareText(GameState& g, Console& con) {
  BoardFromSquareText(g.SquareText, g.GameBoard);
  ShowMenuLine(con);
  DrawBoard(con, g.GameBoard, g.ComputerSide, g.ComputerCaptures, g.PlayerCaptures);
}

std::optional<Step> NewGameUnlessBothKings(GameState& g, Console& con,
                                           const std::string& pauseText) {
  const KingsOnBoard kings = FindKings(g.GameBoard);
  if (kings.both()) return std::nullopt;
  ShowMissingKings(con, kings);
  con.locate(23, 55);
  con.print(pauseText);
  ReadKeyLine(con);
  return Step::StartNewGame;
}

}  // namespace bdvx
