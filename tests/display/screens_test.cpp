#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "console/screens.h"
#include "console/virtual_console.h"

namespace bdvx {
namespace {

// A virtual console that also records every colour pair set and every
// cursor position asked for, to follow the effects draw by draw.
class RecordingConsole : public VirtualConsole {
 public:
  void setColor(int fg, int bg) override {
    pairs.emplace_back(fg, bg);
    VirtualConsole::setColor(fg, bg);
  }
  void locate(int row, int column) override {
    places.emplace_back(row, column);
    VirtualConsole::locate(row, column);
  }
  std::vector<std::pair<int, int>> pairs;
  std::vector<std::pair<int, int>> places;
};

std::string Padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

TEST(ShowMenuLine, ClearsInTheNormalPairAndLeavesTheCursorOnRowThree) {
  VirtualConsole con;
  con.setColor(4, 2);
  con.locate(12, 40);
  con.print("left over");
  ShowMenuLine(con);

  EXPECT_EQ(con.rowText(1), Padded("NEW LOAD SAVE CREATE HELP DISPLAY RESIGN USCF VOICE ABOUT EXIT "));
  for (int row = 1; row <= kScreenRows; ++row) {
    for (int col = 1; col <= kScreenCols; ++col) {
      ASSERT_EQ(con.cell(row, col).bg, kNormalBg) << row << "," << col;
      ASSERT_EQ(con.cell(row, col).fg, kNormalFg) << row << "," << col;
    }
  }
  EXPECT_EQ(con.rowText(2), Padded(""));
  EXPECT_EQ(con.screen().cursorRow(), 3);
  EXPECT_EQ(con.screen().cursorCol(), 1);
}

TEST(CycleSplash, SeventeenRandomDrawsThenLightCyanOnBlue) {
  RecordingConsole con;
  con.queueRandom(0.0);     // lowest colour: 2
  con.queueRandom(0.9999);  // highest colour: 15
  CycleSplash(con);

  EXPECT_EQ(con.randomDraws(), 17);
  EXPECT_NEAR(con.sleptSeconds(), 1.7, 1e-9);
  ASSERT_EQ(con.pairs.size(), 18u);
  EXPECT_EQ(con.pairs[0], std::make_pair(2, 1));
  EXPECT_EQ(con.pairs[1], std::make_pair(15, 1));
  for (const auto& [fg, bg] : con.pairs) {
    EXPECT_EQ(bg, kColorBlue);
    EXPECT_GE(fg, 2);
    EXPECT_LE(fg, 15);
  }
  EXPECT_EQ(con.pairs.back(), std::make_pair(kColorLightCyan, kColorBlue));
  for (int row = 1; row <= kScreenRows; ++row) {
    for (int col = 1; col <= kScreenCols; ++col) {
      ASSERT_EQ(con.cell(row, col).bg, kColorBlue) << row << "," << col;
      ASSERT_EQ(con.cell(row, col).fg, kColorLightCyan) << row << "," << col;
    }
  }
}

TEST(ShowSplash, BannerFooterAndDateAtTheirRows) {
  VirtualConsole con;
  con.setDate("03-09-2027");
  ShowSplash(con);

  for (int row : {1, 2, 3, 4, 5, 16, 19, 21}) EXPECT_EQ(con.rowText(row), Padded("")) << row;
  // The banner: ten lines from column 11, at most 60 characters; the first
  // ends at its right with the revision note.
  for (int row = 6; row <= 15; ++row) {
    const std::string text = con.rowText(row);
    EXPECT_EQ(text.substr(0, 10), std::string(10, ' ')) << row;
    EXPECT_EQ(text.substr(70), std::string(10, ' ')) << row;
  }
  const std::string first = con.rowText(6).substr(10, 60);
  EXPECT_EQ(first.substr(first.rfind("Rev. ")).size(), 15u);  // "Rev. " + mm-dd-yyyy
  EXPECT_NE(con.rowText(8).find('#'), std::string::npos);
  for (int row : {17, 18}) {
    EXPECT_EQ(con.textAt(row, 1, 18), std::string(18, ' ')) << row;
    EXPECT_NE(con.textAt(row, 19, 1), " ") << row;
  }
  EXPECT_EQ(con.rowText(20), Padded("  03-09-2027"));
  EXPECT_EQ(con.screen().cursorRow(), 22);
  EXPECT_EQ(con.screen().cursorCol(), 1);
}

TEST(FlashSquare, BlackPieceFlickersUnturnedAndSettlesInItsColours) {
  RecordingConsole con;
  con.setColor(kNormalFg, kNormalBg);
  con.clear();
  con.pairs.clear();
  con.places.clear();
  for (int i = 0; i < 5; ++i) con.queueRandom(i * 0.2);
  FlashSquare(con, "BN", MoveRecord{-3, 1, 2, 3, 3});

  EXPECT_EQ(con.randomDraws(), 5);
  EXPECT_NEAR(con.sleptSeconds(), 0.5, 1e-9);
  const std::vector<std::pair<int, int>> flicker = {{1, 2}, {1, 4}, {1, 7}, {1, 10}, {1, 13}};
  EXPECT_EQ(std::vector(con.pairs.begin(), con.pairs.begin() + 5), flicker);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(con.places[static_cast<std::size_t>(i)], std::make_pair(12, 21));
  EXPECT_EQ(con.textAt(12, 21, 2), "BN");
  EXPECT_EQ(con.cell(12, 21), (Cell{'B', 1, 12}));
  EXPECT_EQ(con.cell(12, 22), (Cell{'N', 1, 12}));
  EXPECT_EQ(con.cell(12, 20), (Cell{' ', kNormalFg, kNormalBg}));
  EXPECT_EQ(con.screen().background(), kNormalBg);
}

TEST(FlashSquare, WhitePieceFlickersOnTheTurnedBoard) {
  RecordingConsole con;
  con.setColor(kNormalFg, kNormalBg);
  con.clear();
  con.places.clear();
  FlashSquare(con, "WQ", MoveRecord{9, 8, 4, 6, 4});

  for (int i = 0; i < 5; ++i) EXPECT_EQ(con.places[static_cast<std::size_t>(i)], std::make_pair(12, 27));
  EXPECT_EQ(con.cell(12, 27), (Cell{'W', 15, 9}));
  EXPECT_EQ(con.cell(12, 28), (Cell{'Q', 15, 9}));
  EXPECT_EQ(con.textAt(12, 26, 1), " ");
}

TEST(FlashSquare, NoMoveShowsNothingAndTakesNoTime) {
  RecordingConsole con;
  FlashSquare(con, "BK", MoveRecord{0, 1, 5, 2, 5});
  EXPECT_EQ(con.randomDraws(), 0);
  EXPECT_EQ(con.sleptSeconds(), 0.0);
  EXPECT_TRUE(con.pairs.empty());
  EXPECT_TRUE(con.places.empty());
}

TEST(InformationScreens, HelpLinesFollowTheMenuLine) {
  VirtualConsole con;
  ShowMenuLine(con);
  ShowHelp(con);
  const std::vector<std::string> help = {
      " Enter a move by:",
      "   WP 75 55 ... which means:",
      "   WHITE PAWN from ROW 7,COL 5 to ROW 5,COL 5",
      " To CASTLE: Move KING two spaces",
      "",
      " Menu Commands only need first two characters:",
      " DISPLAY show current board  NEW    create fresh board",
      " USCF    toggle output form  SAVE   save game to BDVX.txt file",
      " RESIGN  give up             LOAD   load LAST saved game file",
      " ABOUT   describe program    CREATE create custom board layout",
      " EXIT    terminate program   VOICE  select computer voice     ",
      ""};
  for (std::size_t i = 0; i < help.size(); ++i) EXPECT_EQ(con.rowText(3 + static_cast<int>(i)), Padded(help[i]));
  EXPECT_EQ(con.screen().cursorRow(), 15);
}

TEST(InformationScreens, AboutHasThreeFixedLinesAndElevenHistoryLines) {
  VirtualConsole con;
  ShowMenuLine(con);
  ShowAbout(con);
  EXPECT_EQ(con.rowText(3), Padded("This unrated program acts as a 950(USCF) Class F player (novice adult)."));
  EXPECT_EQ(con.rowText(4), Padded("Upon ending, it guesses your rating using move count and points earned."));
  EXPECT_EQ(con.rowText(5), Padded("This TWO-PLY ANALYZER can play an entire game within an hour."));
  EXPECT_EQ(con.rowText(6), Padded(""));
  for (int row = 7; row <= 17; ++row) EXPECT_NE(con.rowText(row), Padded("")) << row;
  EXPECT_EQ(con.rowText(18), Padded(""));
  EXPECT_EQ(con.screen().cursorRow(), 19);
  EXPECT_EQ(con.screen().cursorCol(), 1);
}

TEST(InformationScreens, VoiceMenuListsTheCodesWhereThePickLooks) {
  VirtualConsole con;
  con.setColor(kNormalFg, kNormalBg);
  con.print("old text");
  ShowVoiceMenu(con);
  EXPECT_EQ(con.rowText(1), Padded("  Pick VOICE OPTION for the COMPUTER:"));
  EXPECT_EQ(con.rowText(2), Padded(""));
  EXPECT_EQ(con.rowText(3), Padded("     ENG  <-- English  - Dovan"));
  EXPECT_EQ(con.rowText(9), Padded("     NON  <-- MiniBeep - No Voice"));
  const char* codes[] = {"ENG", "ENR", "ENW", "SPA", "SPW", "SFX", "NON"};
  for (int row = 3; row <= 9; ++row) EXPECT_EQ(con.textAt(row, 6, 3), codes[row - 3]);
  EXPECT_EQ(con.rowText(10), Padded(""));
  EXPECT_EQ(con.rowText(11),
            Padded("  The WAV voice folder must be in same folder as BRANDOVEX.exe program."));
  EXPECT_EQ(con.rowText(12),
            Padded("  If a required WAV file is missing within a subfolder, only beep occurs."));
}

}  // namespace
}  // namespace bdvx
