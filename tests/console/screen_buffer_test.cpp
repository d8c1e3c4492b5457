#include <gtest/gtest.h>

#include "console/virtual_console.h"
#include "core/number_text.h"

namespace bdvx {
namespace {

TEST(PrintNumber, LeadingBlankForZeroAndPositives) {
  VirtualConsole con;
  con.locate(1, 1);
  con.printNumber(0);
  con.printNumber(-12);
  con.printNumber(7);
  EXPECT_EQ(con.textAt(1, 1, 7), " 0-12 7");
  EXPECT_EQ(NumberText(-3), "-3");
}

TEST(ScreenBuffer, SkipColumnsPastColumn80EndsTheLine) {
  VirtualConsole con;
  con.locate(5, 75);
  con.skipColumns(10);
  EXPECT_EQ(con.screen().cursorRow(), 6);
  EXPECT_EQ(con.screen().cursorCol(), 5);
  con.locate(5, 70);
  con.skipColumns(10);
  EXPECT_EQ(con.screen().cursorRow(), 5);
  EXPECT_EQ(con.screen().cursorCol(), 80);
}

TEST(ScreenBuffer, ControlCharactersShowAsQuestionMarks) {
  VirtualConsole con;
  con.locate(2, 1);
  con.print("A\x1b[2JB\x07");
  EXPECT_EQ(con.textAt(2, 1, 7), "A?[2JB?");
}

TEST(ScreenBuffer, ClearUsesTheCurrentBackground) {
  VirtualConsole con;
  con.setColor(1, 11);
  con.print("xyz");
  con.clear();
  EXPECT_EQ(con.cell(24, 80), (Cell{' ', 1, 11}));
  EXPECT_EQ(con.screen().cursorRow(), 1);
  EXPECT_EQ(con.screen().cursorCol(), 1);
}

TEST(ScreenBuffer, PrintWrapsAtColumn80AndNeverScrolls) {
  VirtualConsole con;
  con.locate(24, 79);
  con.print("abc");
  EXPECT_EQ(con.textAt(24, 1, 1), "c");
  con.printLine("");
  EXPECT_EQ(con.screen().cursorRow(), 24);
}

TEST(VirtualConsole, RightPressesAreNoClicksAndLinesEchoAtTheCursor) {
  VirtualConsole con;
  con.queueButton(3, 3, 2);
  con.queueButton(3, 4, 3);
  con.queueLine("he");
  con.queueClick(5, 6);
  con.locate(22, 1);
  Entry entry = con.waitEntry(false);
  EXPECT_EQ(entry.kind, Entry::Kind::Click);
  EXPECT_EQ(entry.row, 5);
  EXPECT_EQ(entry.col, 6);
  con.queueLine("he");
  entry = con.waitEntry(true);
  EXPECT_EQ(entry.kind, Entry::Kind::Line);
  EXPECT_EQ(con.textAt(22, 1, 2), "he");
  EXPECT_THROW(con.waitEntry(true), ScriptExhausted);
}

}  // namespace
}  // namespace bdvx
