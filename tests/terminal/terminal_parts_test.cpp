// The terminal console's parts that need no terminal: the colour mapping,
// the typed line's echo and the click filter.
#include <gtest/gtest.h>

#include "console/screen_buffer.h"
#include "console/terminal_colors.h"
#include "console/terminal_mouse.h"
#include "console/typed_line.h"

namespace bdvx {
namespace {

// curses colour numbers
constexpr short kBlack = 0, kRed = 1, kGreen = 2, kYellow = 3, kBlue = 4, kMagenta = 5, kCyan = 6,
                kWhite = 7;

TEST(ConsoleColors, DarkColorsTradeBlueWithRedAndCyanWithBrown) {
  const short expected[8] = {kBlack, kBlue, kGreen, kCyan, kRed, kMagenta, kYellow, kWhite};
  for (int color = 0; color < 8; ++color) {
    for (int colors : {8, 16, 256}) {
      for (bool background : {false, true}) {
        EXPECT_EQ(MapConsoleColor(color, colors, background),
                  (TerminalColor{expected[color], false}))
            << color << " on " << colors;
      }
    }
  }
}

TEST(ConsoleColors, BrightColorsUseTheBrightPaletteWhenThereIsOne) {
  // 9 light blue, 11 light cyan (the game's background), 12 light red, 14 yellow.
  EXPECT_EQ(MapConsoleColor(9, 16, false), (TerminalColor{12, false}));
  EXPECT_EQ(MapConsoleColor(11, 256, true), (TerminalColor{14, false}));
  EXPECT_EQ(MapConsoleColor(12, 256, false), (TerminalColor{9, false}));
  EXPECT_EQ(MapConsoleColor(14, 16, true), (TerminalColor{11, false}));
  EXPECT_EQ(MapConsoleColor(8, 16, false), (TerminalColor{8, false}));
  EXPECT_EQ(MapConsoleColor(15, 16, true), (TerminalColor{15, false}));
}

TEST(ConsoleColors, EightColorTerminalsBoldBrightTextAndDarkenBrightBackgrounds) {
  EXPECT_EQ(MapConsoleColor(14, 8, false), (TerminalColor{kYellow, true}));
  EXPECT_EQ(MapConsoleColor(14, 8, true), (TerminalColor{kYellow, false}));
  EXPECT_EQ(MapConsoleColor(11, 8, true), (TerminalColor{kCyan, false}));
  EXPECT_EQ(MapConsoleColor(12, 8, false), (TerminalColor{kRed, true}));
  EXPECT_EQ(MapConsoleColor(8, 8, false), (TerminalColor{kBlack, true}));
  EXPECT_EQ(MapConsoleColor(15, 8, true), (TerminalColor{kWhite, false}));
}

TEST(TypedLineEcho, EchoesBackspacesAndEndsAtEnter) {
  ScreenBuffer screen;
  screen.setColor(1, 11);
  screen.locate(22, 10);
  TypedLine line(screen);
  for (int key : {'w', 'p', '\t', 'x'}) EXPECT_FALSE(line.key(key));  // tab is no character
  EXPECT_EQ(screen.rowText(22).substr(9, 4), "wpx ");
  EXPECT_FALSE(line.key(kKeyBackspace));
  EXPECT_EQ(screen.rowText(22).substr(9, 3), "wp ");
  EXPECT_EQ(screen.cell(22, 12), (Cell{' ', 1, 11}));  // blanked in the current pair
  EXPECT_EQ(screen.cursorCol(), 12);
  EXPECT_FALSE(line.key(' '));
  EXPECT_FALSE(line.key('7'));
  EXPECT_TRUE(line.key(kKeyEnter));
  EXPECT_EQ(line.text(), "wp 7");
  EXPECT_EQ(screen.cursorRow(), 22);
  EXPECT_EQ(screen.cursorCol(), 14);  // left after the echo
}

TEST(TypedLineEcho, BackspaceOnAnEmptyLineKeepsThePromptIntact) {
  ScreenBuffer screen;
  screen.locate(3, 1);
  screen.print("? ");
  TypedLine line(screen);
  EXPECT_FALSE(line.key(kKeyBackspace));
  EXPECT_EQ(screen.rowText(3).substr(0, 2), "? ");
  EXPECT_EQ(screen.cursorCol(), 3);
}

TEST(TypedLineEcho, StopsAtColumn80) {
  ScreenBuffer screen;
  screen.locate(24, 77);
  TypedLine line(screen);
  for (char ch : std::string("ABCDEF")) line.key(ch);
  EXPECT_EQ(line.text(), "ABCD");
  EXPECT_EQ(screen.rowText(24).substr(76), "ABCD");
  EXPECT_EQ(screen.rowText(23), std::string(80, ' '));  // nothing wrapped
  line.key(kKeyBackspace);
  line.key('Z');
  EXPECT_EQ(line.text(), "ABCZ");
  EXPECT_EQ(screen.rowText(24).substr(76), "ABCZ");
}

TEST(TypedLineEcho, DiscardBlanksTheEchoAndReturnsTheCursor) {
  ScreenBuffer screen;
  screen.locate(22, 1);
  screen.print("Move: ");
  TypedLine line(screen);
  for (char ch : std::string("HI")) line.key(ch);
  line.discard();
  EXPECT_TRUE(line.empty());
  EXPECT_EQ(screen.rowText(22).substr(0, 9), "Move:    ");
  EXPECT_EQ(screen.cursorCol(), 7);
}

TEST(Clicks, OnlyALeftPressWithTheRightButtonUpCounts) {
  ClickFilter filter;
  EXPECT_TRUE(filter.report(true, false, false));
  EXPECT_FALSE(filter.report(false, false, false));  // a release
  EXPECT_FALSE(filter.report(false, true, false));   // right press
  EXPECT_FALSE(filter.report(true, false, false));   // left while right held
  EXPECT_FALSE(filter.report(false, false, true));   // right release
  EXPECT_TRUE(filter.report(true, false, false));
  EXPECT_FALSE(filter.report(true, true, false));  // both in one report
  filter.report(false, false, true);
  EXPECT_TRUE(filter.report(true, false, false));
}

TEST(Clicks, TerminalCellsMapOntoTheGameScreenFromOne) {
  int row = 0;
  int col = 0;
  ASSERT_TRUE(ClickCell(0, 0, row, col));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 1);
  ASSERT_TRUE(ClickCell(79, 23, row, col));
  EXPECT_EQ(row, 24);
  EXPECT_EQ(col, 80);
  EXPECT_FALSE(ClickCell(80, 5, row, col));  // right of the game in a wide terminal
  EXPECT_FALSE(ClickCell(5, 24, row, col));
  EXPECT_FALSE(ClickCell(-1, 0, row, col));
}

}  // namespace
}  // namespace bdvx
