#include <cctype>
#include <climits>
#include <string_view>

#include "console/screens.h"
#include "game/entry.h"
#include "game/game_start.h"
#include "game/record_files.h"
#include "game/turn_loop.h"

namespace bdvx {

namespace {

// The numeric value of a text: leading blanks skipped, an optional sign, then
// the digits up to the first other character; 0 when there are none. Values
// too large for an integer are held at its limits.
int NumericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  long long value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return sign > 0 ? INT_MAX : INT_MIN;
    ++i;
  }
  return static_cast<int>(sign * value);
}

// The colour pick, asked again until the answer is "W" or "B".
std::string PickColour(GameState& g, Console& con) {
  std::string colourChoice = " ";
  while (colourChoice != "W" && colourChoice != "B") {
    con.locate(22, 1);
    con.printLine("  BLACK  WHITE  <-- Pick your color       ");
    con.locate(22, 1);
    colourChoice = ReadMouseEntry(con, g.GameBoard, g.ComputerSide, EntryMode::Colour);
  }
  return colourChoice;
}

// The level pick, asked again until the answer's value is 0 to 9.
int PickLevel(GameState& g, Console& con) {
  int level = 9999;
  while (level < 0 || level > 9) {
    con.locate(22, 1);
    con.printLine("  0 1 2 3 4 5 6 7 8 9  <-- Pick difficulty ");
    con.locate(22, 1);
    const std::string levelInput =
        ReadMouseEntry(con, g.GameBoard, g.ComputerSide, EntryMode::Level);
    level = NumericValue(levelInput);
  }
  return level;
}

}  // namespace

Step StartNewGame(GameState& g, Console& con, const GameStart* start) {
  con.playSound("wav/" + g.Voice + "/splash.wav", false);
  CycleSplash(con);
  g.MsgRow = 1;
  con.randomize();

  g.GameBoard = g.InitialBoard;
  g.PlayerCaptures.fill("  ");
  g.ComputerCaptures.fill("  ");
  g.ComputerMove = MoveRecord{};
  g.HintMove = MoveRecord{};
  g.ComputerCaptureCount = 0;
  g.PlayerCaptureCount = 0;
  g.MoveNumber = 0;
  g.HistoryCount = 0;
  g.Points = 0;
  g.EndReason = kReasonCheckmate;
  g.Stalemate = false;
  g.BlackQueenSideOK = 1;
  g.BlackKingSideOK = 1;
  g.WhiteQueenSideOK = 1;
  g.WhiteKingSideOK = 1;
  g.CheckState(kDirectCheckRow, kCheckPiece) = 0;
  g.CheckState(kDiscoveredCheckRow, kCheckPiece) = 0;
  g.DescriptiveOutput = 0;

  const std::string colourChoice = PickColour(g, con);
  g.Level = PickLevel(g, con);
  g.HintLimit = HintLimitOfLevel(g.Level);
  g.StartTime = con.timer();

  g.MovePiece = -1;
  g.MoveNumber = 1;
  g.HistoryCount = 0;
  g.Points = 0;
  g.LastMoverSide = -1;
  g.ComputerSide = kBlack;
  g.PlayerLetter = "W";
  if (colourChoice == "B") {
    g.ComputerSide = kWhite;
    g.MoveNumber = 0;
    g.PlayerLetter = "B";
  }
  ShowMenuLine(con);
  g.PawnJump = PawnJumpRecord{};
  BeginPgnRecord(g, con, "");
  if (start != nullptr) PlayGameStart(g, *start);
  return Step::TurnTop;
}

}  // namespace bdvx
