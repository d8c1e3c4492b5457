#include <gtest/gtest.h>

#include "console/board_display.h"
#include "console/virtual_console.h"
#include "test_support.h"

namespace bdvx {
namespace {

// The screen pair of one cell, for comparing colours.
std::pair<int, int> PairAt(const VirtualConsole& con, int row, int col) {
  return {con.cell(row, col).fg, con.cell(row, col).bg};
}

CaptureList EmptyCaptures() {
  CaptureList list;
  list.fill("  ");
  return list;
}

// A console in the normal pair with rows 8 and 19 filled with "x", so that
// what DrawBoard leaves unwritten shows.
VirtualConsole MarkedConsole() {
  VirtualConsole con;
  con.setColor(kNormalFg, kNormalBg);
  con.clear();
  for (int row : {8, 19}) {
    con.locate(row, 1);
    con.print(std::string(80, 'x'));
  }
  return con;
}

TEST(DrawBoard, ComputerAsBlackShowsRowOneOnTop) {
  VirtualConsole con = MarkedConsole();
  DrawBoard(con, test::StartBoard(), kBlack, EmptyCaptures(), EmptyCaptures());

  EXPECT_EQ(con.textAt(10, 15, 2), "BR");
  EXPECT_EQ(PairAt(con, 10, 15), std::make_pair(1, 12));
  EXPECT_EQ(PairAt(con, 10, 16), std::make_pair(1, 12));
  EXPECT_EQ(con.textAt(17, 36, 2), "WR");
  EXPECT_EQ(PairAt(con, 17, 36), std::make_pair(15, 9));
  EXPECT_EQ(con.textAt(10, 24, 2), "BQ");  // board column 4 at position 4
  EXPECT_EQ(con.textAt(17, 27, 2), "WK");

  EXPECT_EQ(con.textAt(9, 10, 42), "   ---1--2--3--4--5--6--7--8--    16:15:00");
  EXPECT_EQ(con.textAt(18, 10, 46), "   ---1--2--3--4--5--6--7--8--    CANCEL  HINT");
  EXPECT_EQ(con.textAt(18, 44, 6), "CANCEL");
  EXPECT_EQ(con.textAt(18, 52, 4), "HINT");
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(con.textAt(9 + n, 10, 3), " " + std::to_string(n) + ":");
    EXPECT_EQ(con.textAt(9 + n, 38, 4), " : " + std::to_string(n));
  }
  // Column digits stand above the second character of their squares.
  EXPECT_EQ(con.textAt(9, 16, 1), "1");
  EXPECT_EQ(con.textAt(9, 37, 1), "8");
}

TEST(DrawBoard, ComputerAsWhiteTurnsTheBoard) {
  VirtualConsole con = MarkedConsole();
  DrawBoard(con, test::StartBoard(), kWhite, EmptyCaptures(), EmptyCaptures());

  EXPECT_EQ(con.textAt(17, 36, 2), "BR");
  EXPECT_EQ(PairAt(con, 17, 37), std::make_pair(1, 12));
  EXPECT_EQ(con.textAt(10, 15, 2), "WR");
  EXPECT_EQ(con.textAt(10, 24, 2), "WK");  // board column 5 at position 4
  EXPECT_EQ(con.textAt(17, 27, 2), "BQ");

  EXPECT_EQ(con.textAt(9, 10, 34), "   ---8--7--6--5--4--3--2--1--    ");
  EXPECT_EQ(con.textAt(18, 10, 46), "   ---8--7--6--5--4--3--2--1--    CANCEL  HINT");
  for (int n = 1; n <= 8; ++n) {
    const std::string label = std::to_string(9 - n);
    EXPECT_EQ(con.textAt(9 + n, 10, 3), " " + label + ":");
    EXPECT_EQ(con.textAt(9 + n, 38, 4), " : " + label);
  }
}

TEST(DrawBoard, EmptySquaresAreSolidBlocksBetweenNormalSeparators) {
  VirtualConsole con = MarkedConsole();
  DrawBoard(con, test::EmptyBoard(), kBlack, EmptyCaptures(), EmptyCaptures());

  EXPECT_EQ(con.textAt(10, 15, 2), "  ");  // (1, 1): dark
  EXPECT_EQ(PairAt(con, 10, 15), std::make_pair(1, 1));
  EXPECT_EQ(PairAt(con, 10, 16), std::make_pair(1, 1));
  EXPECT_EQ(con.textAt(10, 18, 2), "::");  // (1, 2): light
  EXPECT_EQ(PairAt(con, 10, 18), std::make_pair(15, 15));
  EXPECT_EQ(PairAt(con, 10, 14), std::make_pair(1, 11));
  EXPECT_EQ(PairAt(con, 10, 17), std::make_pair(1, 11));
  EXPECT_EQ(PairAt(con, 10, 38), std::make_pair(1, 11));
  EXPECT_EQ(con.textAt(10, 13, 1), " ");  // column 13 is not written
  EXPECT_EQ(con.screen().foreground(), kNormalFg);
  EXPECT_EQ(con.screen().background(), kNormalBg);
}

TEST(DrawBoard, EmptyCaptureListsDrawOnlyTheLabels) {
  VirtualConsole con = MarkedConsole();
  DrawBoard(con, test::StartBoard(), kBlack, EmptyCaptures(), EmptyCaptures());
  EXPECT_EQ(con.rowText(8), "COMPUTER  " + std::string(70, 'x'));
  EXPECT_EQ(con.rowText(19), "YOUR SIDE " + std::string(70, 'x'));
}

TEST(DrawBoard, CaptureListStopsAtTheFirstEmptySlot) {
  CaptureList computer = EmptyCaptures();
  computer[1] = "WP";
  computer[2] = "WN";
  computer[4] = "WQ";  // after the gap at slot 3: never drawn
  computer[15] = "WR";
  CaptureList player = EmptyCaptures();
  for (int i = 1; i <= kCaptureSlots; ++i) player[i] = "BP";

  VirtualConsole con = MarkedConsole();
  DrawBoard(con, test::StartBoard(), kBlack, computer, player);

  EXPECT_EQ(con.rowText(8), "COMPUTER  xxx WP WN" + std::string(61, 'x'));
  EXPECT_EQ(PairAt(con, 8, 15), std::make_pair(15, 9));
  EXPECT_EQ(PairAt(con, 8, 14), std::make_pair(1, 11));
  std::string playerRow = "YOUR SIDE xxx";  // columns 11-13 are not written
  for (int i = 1; i <= kCaptureSlots; ++i) playerRow += " BP";
  EXPECT_EQ(con.rowText(19), playerRow + std::string(22, 'x'));  // last slot at 57-58
  EXPECT_EQ(PairAt(con, 19, 58), std::make_pair(1, 12));
}

TEST(DrawCell, DrawsTheTextInItsPairAndEndsInTheNormalPair) {
  struct Case {
    std::string text;
    int fg;
    int bg;
  };
  const Case cases[] = {{"BQ", 1, 12}, {"WK", 15, 9}, {"::", 15, 15}, {"  ", 1, 1}, {"XY", 1, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VirtualConsole con;
    con.setColor(5, 6);
    DrawCell(con, c.text, 3, 3);
    EXPECT_EQ(con.cell(3, 3), (Cell{' ', 5, 6}));  // separator in the pair that was current
    EXPECT_EQ(con.cell(3, 4), (Cell{c.text[0], c.fg, c.bg}));
    EXPECT_EQ(con.cell(3, 5), (Cell{c.text[1], c.fg, c.bg}));
    EXPECT_EQ(con.screen().foreground(), kNormalFg);
    EXPECT_EQ(con.screen().background(), kNormalBg);
  }
}

}  // namespace
}  // namespace bdvx
