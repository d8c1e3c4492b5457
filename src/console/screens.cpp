#include "console/screens.h"

#include <cassert>
#include <span>

#include "console/board_display.h"
#include "console/screen_texts.h"

namespace bdvx {
namespace {

constexpr int kSplashDraws = 17;   // random-coloured draws before the last one
constexpr int kFlashDraws = 5;
constexpr int kEffectPauseMs = 100;
constexpr int kBannerFirstRow = 6;
constexpr int kBannerIndent = 10;  // banner lines start at column 11
constexpr int kFooterIndent = 18;  // the two lines under it at column 19

// A colour from 2 to 15: never black, never the blue of the splash background.
int RandomColour(Console& con) {
  const int colour = static_cast<int>(con.random() * 14) + 2;
  assert(colour >= 2 && colour <= 15);
  return colour;
}

// Prints each line of a text from the cursor, one screen row each.
void PrintLines(Console& con, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) con.printLine(line);
}

}  // namespace

// Normal pair, screen cleared, the menu on row 1, row 2 empty; the cursor is
// left at row 3, column 1, where the ABOUT and HELP texts begin.
void ShowMenuLine(Console& con) {
  con.setColor(kNormalFg, kNormalBg);
  con.clear();
  con.printLine(kMenuLine);
  con.newLine();
}

// The title screen in the current pair: banner on rows 6-15, two lines on
// rows 17-18, the date on row 20; the cursor ends at row 22, column 1.
void ShowSplash(Console& con) {
  con.clear();
  con.locate(kBannerFirstRow, 1);
  for (std::string_view line : kSplashBanner) {
    con.skipColumns(kBannerIndent);
    con.printLine(line);
  }
  con.newLine();
  for (std::string_view line : kSplashFooter) {
    con.skipColumns(kFooterIndent);
    con.printLine(line);
  }
  con.newLine();
  con.printLine("  " + con.dateString());
  con.newLine();
}

// The start-up effect: 17 draws of the title in random colours on blue, a
// tenth of a second each, then the title in light cyan on blue to stay.
void CycleSplash(Console& con) {
  for (int i = 0; i < kSplashDraws; ++i) {
    con.setColor(RandomColour(con), kColorBlue);
    ShowSplash(con);
    con.sleep(kEffectPauseMs);
  }
  con.setColor(kColorLightCyan, kColorBlue);
  ShowSplash(con);
}

// The ABOUT text from the cursor (the caller has drawn the menu line).
void ShowAbout(Console& con) { PrintLines(con, kAboutText); }

// The HELP text from the cursor (the caller has drawn the menu line).
void ShowHelp(Console& con) { PrintLines(con, kHelpText); }

// Clears the screen in the current pair and lists the voices from row 1; the
// codes stand on rows 3 to 9, columns 6 to 8, where the voice pick looks.
void ShowVoiceMenu(Console& con) {
  con.clear();
  PrintLines(con, kVoiceMenuText);
}

// Flickers the two characters of the square the computer's move landed on
// in random backgrounds for about half a second, then redraws the cell in
// the piece's own colours. No move (piece 0) shows nothing and takes no time.
void FlashSquare(Console& con, const std::string& text, const MoveRecord& move) {
  if (move.piece == 0) return;
  // A Black piece means the computer plays Black: the board is unturned.
  const bool turned = move.piece > 0;
  const int row = turned ? 18 - move.toRow : move.toRow + 9;
  const int textCol = 3 * (turned ? 9 - move.toCol : move.toCol) + 12;

  for (int i = 0; i < kFlashDraws; ++i) {
    con.setColor(kColorBlue, RandomColour(con));
    con.locate(row, textCol);
    con.print(text);
    con.sleep(kEffectPauseMs);
  }
  con.setColor(kNormalFg, kNormalBg);
  DrawCell(con, text, row, textCol - 1);
}

}  // namespace bdvx
