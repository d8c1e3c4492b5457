#include <cctype>
#include <string>

#include "core/piece_text.h"
#include "game/commands.h"
#include "game/console_reporter.h"
#include "game/entry.h"
#include "game/record_files.h"
#include "game/turn_loop.h"

namespace bdvx {

namespace {

const std::string kInstruction = "  Click Piece and then Destination";

// The value of one typed square digit; any other character gives 0, which
// the move validation refuses as off the board.
int DigitValue(char ch) {
  return std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : 0;
}

}  // namespace

Step PlayerPrompt(GameState& g, Console& con) {
  g.EndReason = kReasonCheckmate;
  g.CaptureFlag = 0;

  std::string instruction = kInstruction;
  instruction.resize(kPromptWidth, ' ');
  const std::string blanks(kPromptWidth, ' ');
  con.locate(21, 1);
  con.printLine(instruction);
  con.printLine(blanks);
  con.locate(24, 1);
  con.printLine(blanks);
  con.locate(22, 1);

  g.InputLine = "";
  g.InputLine = ReadMouseEntry(con, g.GameBoard, g.ComputerSide, EntryMode::Move);
  return InterpretEntry(g, con);
}

Step InterpretEntry(GameState& g, Console& con) {
  // The rest of the echo row and the reply row are cleared, the reply row as
  // wide as the longest message it holds, so that no tail of one stands
  // beside the next.
  const auto clearRest = [&con] {
    con.printLine(std::string(62, ' '));
    con.printLine(std::string(kRecordMessageWidth, ' '));
  };

  // A move typed in any form becomes the game's move text; one that names
  // no single move of the player's is refused here, nothing else changed.
  const TypedMove typed = ReadTypedMove(g, g.InputLine);
  if (!typed.refusal.empty()) {
    clearRest();
    con.locate(23, 1);
    con.printLine(typed.refusal);
    return Step::PlayerPrompt;
  }
  g.NamedPromotion = typed.promotion;
  if (!typed.moveText.empty()) g.InputLine = typed.moveText;

  // The squares of a move text "WP 75 55"; any other entry has none.
  const std::string& line = g.InputLine;
  g.TypedFromRow = 0;
  g.TypedFromCol = 0;
  g.TypedToRow = 0;
  g.TypedToCol = 0;
  if (line.size() > 7 && line[2] == ' ') {
    g.TypedFromRow = DigitValue(line[3]);
    g.TypedFromCol = DigitValue(line[4]);
    g.TypedToRow = DigitValue(line[6]);
    g.TypedToCol = DigitValue(line[7]);
  }

  g.Code2 = UpperCased(line.substr(0, 2));

  clearRest();

  g.MovePiece = PieceCodeFromText(g.Code2, g.ComputerSide);

  const CommandOutcome outcome = InterpretCommand(g, con);
  if (outcome.leaves) return outcome.next;

  if (Magnitude(g.MovePiece) > kKing) {
    if (outcome.CommandMatched == 0) {
      con.locate(23, 1);
      con.print("  ");
      con.print(g.Code2);
      con.printLine(" is invalid menu command");
    }
    return Step::PlayerPrompt;
  }
  return MoveValidation(g, con);
}

}  // namespace bdvx
