#include "console/board_display.h"

#include "core/piece_text.h"

namespace bdvx {
namespace {

// Screen rows of the board block.
constexpr int kComputerCapturesRow = 8;
constexpr int kTopCoordinatesRow = 9;
constexpr int kFirstBoardRow = 10;  // screen row 9 + n shows board line n
constexpr int kBottomCoordinatesRow = 18;
constexpr int kPlayerCapturesRow = 19;
constexpr int kLabelCol = 10;  // row numbers and coordinate lines start here

const std::string kComputerLabel = "COMPUTER  ";
const std::string kPlayerLabel = "YOUR SIDE ";
const std::string kEmptySlot = "  ";

// The coordinate lines: column digit j stands at screen column 3j + 13.
const std::string kCoordinatesAsWhite = "   ---1--2--3--4--5--6--7--8--    ";
const std::string kCoordinatesAsBlack = "   ---8--7--6--5--4--3--2--1--    ";
const std::string kLabels = "CANCEL  HINT";

// The separator column of cell j (1..8 on the board, 1..15 in a capture row).
constexpr int CellColumn(int j) { return 3 * j + 11; }

// Draws the filled slots of a capture list behind its label; the first
// empty slot ends the list, whatever the slots after it hold.
void DrawCaptures(Console& con, int row, const std::string& label,
                  const CaptureList& captures) {
  con.locate(row, 1);
  con.print(label);
  for (int i = 1; i <= kCaptureSlots; ++i) {
    const std::string& slot = captures[i];
    if (slot == kEmptySlot || slot.empty()) break;
    DrawCell(con, slot, row, CellColumn(i));
  }
  con.newLine();
}

}  // namespace

// Draws screen rows 8 to 19 from the board and the two capture lists. The
// computer's side is at the top: unturned when it plays Black (-1), turned
// by half a turn otherwise.
void DrawBoard(Console& con, const Board& board, int computerSide,
               const CaptureList& computerCaptures, const CaptureList& playerCaptures) {
  SquareTextGrid squareText;
  SquareTextFromBoard(board, squareText);
  const bool turned = computerSide != kBlack;
  const std::string& coordinates = turned ? kCoordinatesAsBlack : kCoordinatesAsWhite;

  DrawCaptures(con, kComputerCapturesRow, kComputerLabel, computerCaptures);

  con.locate(kTopCoordinatesRow, kLabelCol);
  con.print(coordinates);
  con.print(con.timeString());
  con.newLine();

  for (int n = 1; n <= 8; ++n) {
    const int row = turned ? 9 - n : n;
    const int screenRow = kFirstBoardRow + n - 1;
    con.locate(screenRow, kLabelCol);
    con.printNumber(row);
    con.print(":");
    for (int j = 1; j <= 8; ++j) {
      const int col = turned ? 9 - j : j;
      DrawCell(con, squareText(row, col), screenRow, CellColumn(j));
    }
    con.print(" :");
    con.printNumber(row);
    con.newLine();
  }

  con.locate(kBottomCoordinatesRow, kLabelCol);
  con.print(coordinates);
  con.print(kLabels);
  con.newLine();

  DrawCaptures(con, kPlayerCapturesRow, kPlayerLabel, playerCaptures);
}

// The separator blank goes out in the current pair; the text in its own pair
// (Black piece, White piece, light or dark empty square); then the normal pair.
void DrawCell(Console& con, const std::string& text, int row, int column) {
  int fg = kColorBlue;  // any other text looks like a Black piece
  int bg = kColorLightRed;
  if (!text.empty() && text[0] == 'W') {
    fg = kColorWhite;
    bg = kColorLightBlue;
  }
  if (text == "::") fg = bg = kColorWhite;
  if (text == "  ") fg = bg = kColorBlue;

  con.locate(row, column);
  con.print(" ");
  con.setColor(fg, bg);
  con.print(text);
  con.setColor(kNormalFg, kNormalBg);
}

}  // namespace bdvx
