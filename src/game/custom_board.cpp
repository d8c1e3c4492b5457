#include "game/custom_board.h"

#include "console/screens.h"
#include "game/command_actions.h"
#include "game/entry.h"
#include "game/record_files.h"
#include "records/pgn.h"
#include "rules/castling_rights.h"
#include "rules/position_setup.h"

namespace bdvx {

namespace {

constexpr std::size_t kRowLineLength = 16;  // eight pairs "CN"

// The format lines, the template under which the rows are typed, and the
// eight rows, each read again at the same place until it has 16 characters.
void ReadRows(Console& con, SquareTextGrid& squareText) {
  con.clear();
  con.printLine(" C = Color (W=White, B=Black) and N = Name of piece:");
  con.printLine(" K=King Q=Queen R=Rook B=Bishop N=Knight P=Pawn ::=Blank");
  con.printLine(" Black Side = ROW 1, White Side = ROW 8");
  con.printLine(" BOARD INPUT - ROW by ROW - By This Format         ");
  con.printLine(std::string(51, ' '));
  con.printLine("           CNCNCNCNCNCNCNCN                        ");

  for (int row = 1; row <= 8; ++row) {
    // The prompt of a row stands on screen row row + 6, even when an
    // over-long line pushed the typing further down.
    con.locate(row + 6, 1);
    con.print(" ROW ");
    con.printNumber(row);
    con.print(" : ");
    // "? " at column 10 puts the typing under the template at column 12.
    con.locate(row + 6, 10);
    std::string line = ReadKeyLine(con);
    while (line.size() != kRowLineLength) {
      // The refused row goes from the screen, so that no character of it
      // stands beside the row typed next.
      con.locate(row + 6, 10);
      con.print(std::string(kScreenCols - 10, ' '));
      con.locate(row + 6, 10);
      line = ReadKeyLine(con);
    }
    for (int c = 1; c <= 8; ++c) {
      squareText(row, c) = line.substr(static_cast<std::size_t>(2 * c - 2), 2);
    }
  }
}

// The board as typed, over the template and the row prompts (rows 5 to 14).
void EchoRows(Console& con, const SquareTextGrid& squareText) {
  con.locate(4, 1);
  con.printLine(std::string(46, ' '));
  con.skipColumns(10);
  con.printLine("    CUSTOM  BOARD                     ");
  con.skipColumns(10);
  con.printLine("*1 *2 *3 *4 *5 *6 *7 *8               ");
  for (int row = 1; row <= 8; ++row) {
    con.skipColumns(5);
    con.printNumber(row);
    con.print(": ");
    for (int c = 1; c <= 8; ++c) {
      if (c > 1) con.print(" ");
      con.print(squareText(row, c));
    }
    con.print(" :");
    con.printNumber(row);
    con.newLine();
  }
}

// The rules' memory of a board set up by hand describes that board and
// nothing of the game before it: no en-passant target, the checks standing
// against the side to move, and each castling right held when its king and
// rook stand on their home squares.
void DescribeNewBoard(GameState& g, int sideToMove) {
  g.PawnJump = PawnJumpRecord{};
  RecordChecksAgainst(g, sideToMove);
  SetCastlingRightsFromBoard(g);
}

// Reads typed lines until one is among the two accepted answers.
std::string AskUntil(Console& con, const char* first, const char* second) {
  std::string answer = " ";
  while (answer != first && answer != second) answer = ReadKeyLine(con);
  return answer;
}

}  // namespace

void EnterCustomBoard(Console& con, SquareTextGrid& squareText, std::string& answer) {
  std::string confirmation = "N";
  while (confirmation != "Y") {
    ReadRows(con, squareText);
    EchoRows(con, squareText);
    con.newLine();
    con.printLine(" Is this CUSTOM board correct ? (Y/N)");
    confirmation = AskUntil(con, "N", "Y");
  }
  con.printLine("What is COMPUTER color (and thus moved LAST)? (B/W)");
  answer = AskUntil(con, "W", "B");
  ShowMenuLine(con);
}

std::optional<Step> CreateCommand(GameState& g, Console& con) {
  std::string answer;
  EnterCustomBoard(con, g.SquareText, answer);

  // The computer's colour counts as the side that moved last.
  const int lastMover = answer == "B" ? kBlack : kWhite;
  g.MovePiece = lastMover;
  g.LastMoverSide = lastMover;
  g.MoveNumber = 1;
  g.HistoryCount = 0;
  g.StartTime = con.timer();

  ShowBoardFromSquareText(g, con);
  DescribeNewBoard(g, -lastMover);
  // The PGN starts afresh from the new board.
  BeginPgnRecord(g, con, FenOf(g, -lastMover, ChessMoveNumber(g, -lastMover)));
  return NewGameUnlessBothKings(g, con, "Tap Enter");  // no trailing blank here
}

}  // namespace bdvx
