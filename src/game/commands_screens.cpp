// The commands that show something and stay at the prompt, and the two that
// leave it without files: NEW and RESIGN.
#include "console/board_display.h"
#include "console/screens.h"
#include "core/piece_text.h"
#include "engine/parse_board.h"
#include "game/board_report.h"
#include "game/command_actions.h"
#include "game/entry.h"

namespace bdvx {

// The ABOUT text on a cleared screen, then its cue, waited for.
std::optional<Step> AboutCommand(GameState& g, Console& con) {
  ShowMenuLine(con);
  ShowAbout(con);
  con.playSound("wav/" + g.Voice + "/about.wav", true);
  return std::nullopt;
}

// The screen drawn afresh: menu line and board, without the status line.
std::optional<Step> DisplayCommand(GameState& g, Console& con) {
  ShowMenuLine(con);
  DrawBoard(con, g.GameBoard, g.ComputerSide, g.ComputerCaptures, g.PlayerCaptures);
  return std::nullopt;
}

// The HELP text on a cleared screen.
std::optional<Step> HelpCommand(GameState&, Console& con) {
  ShowMenuLine(con);
  ShowHelp(con);
  return std::nullopt;
}

// A new game in the same run; the voice stays.
std::optional<Step> NewCommand(GameState&, Console&) { return Step::StartNewGame; }

// The player gives up: the computer's side is named the winner.
std::optional<Step> ResignCommand(GameState& g, Console& con) {
  con.clear();
  con.locate(6, 1);
  con.printLine(" THANK-YOU! Your resignation accepted.");
  g.MovePiece = g.ComputerSide;
  g.EndReason = kReasonResigned;
  return Step::EndGame;
}

// The parse array beside the board's codes, each number in printNumber's
// form, so wider values push the rest of their row to the right.
std::optional<Step> ParseCommand(GameState& g, Console& con) {
  const char* columnLine = "      1 2 3 4 5 6 7 8         1 2 3 4 5 6 7 8       ";
  ShowMenuLine(con);
  const ParseReport report = BuildParseBoard(g.GameBoard, g.ParseBoard);
  con.printLine("        PARSE ARRAY             BOARD ARRAY         ");
  con.setColor(kColorLightCyan, kColorBlue);
  con.printLine(columnLine);
  con.setColor(kNormalFg, kNormalBg);
  for (int r = 1; r <= 8; ++r) {
    con.print(" ");
    con.printNumber(r);
    con.print(" *");
    for (int c = 1; c <= 8; ++c) con.printNumber(g.ParseBoard(r, c));
    con.print(" * ");
    con.printNumber(r);
    con.print("  *");
    for (int c = 1; c <= 8; ++c) con.printNumber(g.GameBoard(r, c));
    con.print(" *");
    con.printNumber(r);
    con.newLine();
  }
  con.setColor(kColorLightCyan, kColorBlue);
  con.printLine(columnLine);
  con.setColor(kNormalFg, kNormalBg);
  con.newLine();
  ShowParseReport(con, report);
  return std::nullopt;
}

// Switches the move messages between row/column and descriptive squares.
std::optional<Step> UscfCommand(GameState& g, Console& con) {
  g.DescriptiveOutput = g.DescriptiveOutput == 0 ? 1 : 0;
  con.locate(23, 1);
  con.printLine("  Toggled Descriptive/RowCol Output");
  return std::nullopt;
}

// The voice pick, the new voice's sample, and the board shown again.
std::optional<Step> VoiceCommand(GameState& g, Console& con) {
  ShowVoiceMenu(con);
  con.locate(1, 1);
  g.Voice = ReadMouseEntry(con, g.GameBoard, g.ComputerSide, EntryMode::Voice);
  con.playSound("wav/" + g.Voice + "/awesome.wav", true);
  ShowMenuLine(con);
  DrawBoard(con, g.GameBoard, g.ComputerSide, g.ComputerCaptures, g.PlayerCaptures);
  con.locate(23, 1);
  con.print("  Computer Voice: ");
  con.printLine(g.Voice);
  return std::nullopt;
}

// The player's expected best reply worked out during the computer's last
// move; once past the level's limit, a line saying there are no more.
std::optional<Step> HintCommand(GameState& g, Console& con) {
  const MoveRecord& hint = g.HintMove;
  if (hint.piece != 0) {
    std::string colourWord;
    std::string pieceWord;
    NamePiece(hint.piece, colourWord, pieceWord);
    con.locate(23, 1);
    con.print("  Hint: Move ");
    con.print(pieceWord);
    con.print(" from (");
    con.printNumber(hint.fromRow);
    con.printNumber(hint.fromCol);
    con.print(") to (");
    con.printNumber(hint.toRow);
    con.printNumber(hint.toCol);
    con.printLine(")   ");
  } else if (g.MoveNumber > 1) {
    con.locate(23, 1);
    con.print("  No hints after move");
    con.printNumber(g.HintLimit);
    con.print(" for Level");
    con.printNumber(g.Level);
    con.newLine();
  }
  return std::nullopt;
}

}  // namespace bdvx
