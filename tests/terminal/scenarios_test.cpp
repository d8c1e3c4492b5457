// The built game in a real terminal (tmux), in three scenarios: a mouse game
// as White that saves, loads and resigns; a game as Black by keyboard played
// to its end; Ctrl-C and resizes leaving a sane terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <regex>
#include <thread>
#include <tuple>

#include "pane.h"

namespace bdvx::term {
namespace {

// xterm's colour numbers of the game's colours on a terminal of 16 or more:
// blue 1 and red 4 trade places, so do cyan 3 and brown 6; bright is + 8.
constexpr int kBlue = 4, kLightBlue = 12, kLightCyan = 14, kLightRed = 9, kWhite = 15;

const std::string kMenu = "NEW LOAD SAVE CREATE HELP DISPLAY RESIGN USCF VOICE ABOUT EXIT";
const std::string kColourPrompt = "  BLACK  WHITE  <-- Pick your color";
const std::string kRunning = "alt=1 cursor=1 mouse=100 sgr=1 keypad=1\n";
const std::string kRestored = "alt=0 cursor=1 mouse=000 sgr=0 keypad=0\n";

std::string Today() {
  const std::time_t now = std::time(nullptr);
  char text[16];
  return std::string(text, std::strftime(text, sizeof text, "%m-%d-%Y", std::localtime(&now)));
}

std::vector<std::string> FileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::ranges::sort(names);
  return names;
}

bool Fits(const std::string& text, const std::string& pattern) {
  return std::regex_match(text, std::regex(pattern));
}

std::string Board(Pane& pane) {
  std::string rows;
  for (int row = 10; row <= 17; ++row) rows += pane.row(row) + "\n";
  return rows;
}

#define SKIP_WITHOUT_TMUX() \
  if (std::system("command -v tmux >/dev/null") != 0) GTEST_SKIP() << "tmux is not installed"

TEST(RealTerminal, MouseGameAsWhiteSavesLoadsAndResigns) {
  SKIP_WITHOUT_TMUX();
  const std::string day = Today();
  Pane pane("xterm-256color", 80, 24);
  ASSERT_TRUE(pane.waitRow(22, kColourPrompt)) << pane.screen();
  // The splash has settled in light cyan on blue.
  const std::size_t letter = pane.row(12).find_first_not_of(' ');
  ASSERT_NE(letter, std::string::npos) << pane.screen();
  const Cell banner = pane.cell(12, static_cast<int>(letter) + 1);
  EXPECT_EQ(banner.fg, kLightCyan);
  EXPECT_EQ(banner.bg, kBlue);

  // Quick clicks take effect: WHITE, level 2, the pawn from (7, 5) and its
  // destination (5, 5), each 50 ms after the one before.
  const int clicks[][2] = {{22, 12}, {22, 7}, {16, 27}, {14, 28}};
  for (const auto& [row, col] : clicks) {
    pane.click(row, col);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(pane.waitRow(20, "  Move: 2.")) << pane.screen();
  ASSERT_TRUE(pane.waitReady());
  EXPECT_EQ(pane.row(1), kMenu);
  EXPECT_EQ(pane.row(2), " WHITE PAWN   At ( 7 5) Moved To ( 5 5)");
  ASSERT_TRUE(Fits(pane.row(3), " BLACK [A-Z ]{6} At \\( [1-8] [1-8]\\) Moved To \\( [1-8] [1-8]\\)"))
      << pane.row(3);
  EXPECT_EQ(pane.row(16), "          7:  WP WP WP WP    WP WP WP : 7");
  EXPECT_EQ(pane.row(20), "  Move: 2. You are 0 points AHEAD after 0 min. Level: 2");
  EXPECT_EQ(pane.flags(), kRunning);
  // The colours: White's pieces white on light blue, the computer's last
  // move blue on light red.
  const Cell pawn = pane.cell(14, 27);
  EXPECT_EQ(std::pair(pawn.fg, pawn.bg), std::pair(kWhite, kLightBlue));
  const int toRow = pane.row(3)[35] - '0', toCol = pane.row(3)[37] - '0';
  const Cell answer = pane.cell(9 + toRow, 3 * toCol + 12);
  EXPECT_EQ(std::pair(answer.fg, answer.bg), std::pair(kBlue, kLightRed)) << pane.row(3);

  // No click: a left press while the right button is held (in one burst, or
  // apart), here on RESIGN. A half-typed line gives way to a click, and its
  // echo goes.
  pane.send(pane.button(2, 1, 37, true) + pane.button(0, 1, 37, true) + pane.button(0, 1, 37, false));
  pane.send(pane.button(0, 1, 38, true) + pane.button(0, 1, 38, false) + pane.button(2, 1, 37, false));
  pane.send("abcdefghij");
  ASSERT_TRUE(pane.waitRow(22, "abcdefghij")) << pane.screen();
  pane.click(17, 34);
  ASSERT_TRUE(pane.waitRow(22, "  WN 87")) << pane.screen();
  EXPECT_EQ(pane.row(22), "  WN 87");
  ASSERT_TRUE(pane.clickReady(15, 30));
  ASSERT_TRUE(pane.waitRow(20, "  Move: 3.")) << pane.screen();
  EXPECT_EQ(pane.row(2), " WHITE KNIGHT At ( 8 7) Moved To ( 6 6)");

  // SAVE, one more move, then LOAD brings the saved board back.
  const std::string saved = Board(pane);
  ASSERT_TRUE(pane.clickReady(1, 11));
  ASSERT_TRUE(pane.waitRow(23, "  Snapshot saved")) << pane.screen();
  EXPECT_EQ(pane.row(23), "  Snapshot saved (Transcript: BDVXHIST" + day + ".txt)");
  ASSERT_TRUE(pane.clickReady(16, 15));
  ASSERT_TRUE(pane.waitRow(22, "  WP 71")) << pane.screen();
  ASSERT_TRUE(pane.clickReady(15, 16));
  ASSERT_TRUE(pane.waitRow(20, "  Move: 4.")) << pane.screen();
  ASSERT_NE(Board(pane), saved);
  ASSERT_TRUE(pane.clickReady(1, 6));
  ASSERT_TRUE(pane.waitRow(23, "  Game snapshot restored")) << pane.screen();
  EXPECT_EQ(Board(pane), saved);

  // RESIGN: the end screen names the files written, in the working
  // directory, with today's date and the time of day.
  ASSERT_TRUE(pane.clickReady(1, 37));
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.screen();
  EXPECT_EQ(pane.row(6), " THANK-YOU! Your resignation accepted.");
  EXPECT_TRUE(Fits(pane.row(20), "  RESIGNED \\.\\.\\. BLACK wins in 3 moves and [0-9]+ min\\.  Level: 2"))
      << pane.row(20);
  std::string named = "  Transcript: BDVXHIST" + day + ".txt, BDVXSCORES.TXT";
  named.resize(54, ' ');
  EXPECT_EQ(pane.row(23), named + "Tap Enter ?");
  const std::string scores = test::ReadFile(pane.dir() / "BDVXSCORES.TXT");
  const std::string last = scores.substr(scores.rfind('\n', scores.size() - 2) + 1);
  EXPECT_TRUE(Fits(last, day + " [0-2][0-9]:[0-5][0-9]:[0-5][0-9]  2  COMPUTER  RESIGNED .*\r\n")) << scores;
  pane.send("\r");
  ASSERT_TRUE(pane.waitFor("FINISHED")) << pane.screen();
  EXPECT_EQ(pane.exitStatus(), "0");
  EXPECT_TRUE(pane.modesKept());
  EXPECT_EQ(pane.flags(), kRestored);
  EXPECT_EQ(FileNames(pane.dir()),
            (std::vector<std::string>{"BDVXHIST" + day + ".PGN", "BDVXHIST" + day + ".TXT", "BDVXSCORES.TXT",
                                      "BDVXSNAP.TXT", "after.txt", "before.txt", "pane.sh", "status.txt",
                                      "tmux.socket"}));
}

TEST(RealTerminal, KeyboardGameAsBlackPlayedToItsEnd) {
  SKIP_WITHOUT_TMUX();
  const std::string day = Today();
  // xterm has eight colours: bright text is bold, bright grounds darken.
  Pane pane("xterm", 80, 24);
  ASSERT_TRUE(pane.waitRow(22, kColourPrompt)) << pane.screen();
  pane.send("\x7f" "b\r");  // Backspace on an empty line takes nothing away
  ASSERT_TRUE(pane.waitRow(22, "  0 1 2 3 4 5 6 7 8 9  <-- Pick difficulty")) << pane.screen();
  pane.send("12\r0\r");  // not a level: asked again
  ASSERT_TRUE(pane.waitRow(21, "  Click Piece and then Destination")) << pane.screen();

  // The computer has opened as White; the board is turned, White at the top.
  EXPECT_TRUE(Fits(pane.row(2), " WHITE [A-Z ]{6} At \\( [1-8] [1-8]\\) Moved To \\( [1-8] [1-8]\\)")) << pane.row(2);
  EXPECT_TRUE(pane.row(9).starts_with("            ---8--7--6--5--4--3--2--1--")) << pane.row(9);
  EXPECT_EQ(pane.row(17), "          1:  BR BN BB BK BQ BB BN BR : 1");
  EXPECT_EQ(pane.row(20), "  Move: 1. You are 0 points AHEAD after 0 min. Level: 0");
  const Cell rook = pane.cell(10, 15), label = pane.cell(10, 11);
  EXPECT_EQ(std::tuple(rook.ch, rook.fg, rook.bg, rook.bold), std::tuple('W', 7, 4, true));
  EXPECT_EQ(std::tuple(label.ch, label.fg, label.bg, label.bold), std::tuple('8', 4, 6, false));

  pane.send("XY\r");
  ASSERT_TRUE(pane.waitRow(23, "  XY is invalid menu command")) << pane.screen();
  pane.send("bn 17 35\r");
  ASSERT_TRUE(pane.waitRow(23, "  ILLEGAL: A BN can NEVER move ( 1, 7) To ( 3, 5)")) << pane.screen();
  // A typing slip taken back, then HINT typed while the computer still
  // answers, with a tab that types nothing; a line longer than the screen.
  pane.send("bp 24 4x\x7f" "4\r" "h\tint\r");
  ASSERT_TRUE(pane.waitRow(20, "  Move: 2.")) << pane.screen();
  EXPECT_EQ(pane.row(2), " BLACK PAWN   At ( 2 4) Moved To ( 4 4)");
  ASSERT_TRUE(pane.waitUntil([&] { return Fits(pane.row(23), "  (Hint: Move .*|No hints after move.*)"); }))
      << pane.screen();
  pane.send(std::string(100, 'u') + "\r");
  ASSERT_TRUE(pane.waitRow(23, "  UU is invalid menu command")) << pane.screen();
  pane.send("US\r");
  ASSERT_TRUE(pane.waitRow(23, "  Toggled Descriptive/RowCol Output")) << pane.screen();

  // CREATE a board on which Black mates at once: the rook from (1, 1) to
  // (8, 1) behind White's pawns, typed as SAN. The rows are typed on the
  // terminal's line prompt, a short one asked again, one in lower case.
  pane.send("cr\r");
  ASSERT_TRUE(pane.waitRow(7, " ROW  1 :")) << pane.screen();
  pane.send("\x7f" "BR::::::::::BK:\r");
  for (const char* row : {"BR::::::::::BK::", "::::::::::::::::", "::::::::::::::::", "::::::::::::::::",
                          "::::::::::::::::", "::::::::::::::::", "::::::::::wpwpwp", "::::::::::::WK::"})
    pane.send(std::string(row) + "\r");
  ASSERT_TRUE(pane.waitFor(" Is this CUSTOM board correct ? (Y/N)")) << pane.screen();
  EXPECT_EQ(pane.row(13), " ROW  7: :: :: :: :: :: WP WP WP : 7");
  pane.send("y\rw\r");
  ASSERT_TRUE(pane.waitRow(23, "  It is BLACK'S move.")) << pane.screen();
  pane.send("Ra1#\r");
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.screen();
  EXPECT_EQ(pane.row(2), " BR-QR 8 (From QR 1)");
  EXPECT_EQ(pane.row(4), " WHITE CHECKMATED");
  EXPECT_TRUE(Fits(pane.row(20), "  CHECKMATE\\.\\.\\. BLACK wins in 1 moves and [0-9]+ min\\.  Level: 0")) << pane.row(20);
  EXPECT_TRUE(pane.row(23).starts_with("  Transcript: BDVXHIST" + day + ".txt, BDVXSCORES.TXT")) << pane.row(23);
  // No voice is installed beside the built game: the cues beep.
  EXPECT_EQ(pane.tmux("display -p -t t '#{window_bell_flag}'"), "1\n");

  // A crash at the last pause still gives the terminal back.
  const int pid = pane.gamePid();
  ASSERT_GT(pid, 0);
  kill(pid, SIGSEGV);
  ASSERT_TRUE(pane.waitFor("FINISHED")) << pane.screen();
  EXPECT_NE(pane.exitStatus(), "0");
  EXPECT_TRUE(pane.modesKept());
  EXPECT_EQ(pane.flags(), kRestored);
}

TEST(RealTerminal, CtrlCAndResizesLeaveASaneTerminal) {
  SKIP_WITHOUT_TMUX();
  // tmux's own TERM: the mouse reports come in the legacy form.
  Pane pane("tmux-256color", 70, 20);
  ASSERT_TRUE(pane.waitFor("Please enlarge this terminal to 80 x 24 (now 70 x 20)")) << pane.screen();
  EXPECT_EQ(pane.row(1), "Please enlarge this terminal to 80 x 24 (now 70 x 20)");
  pane.resize(80, 24);
  ASSERT_TRUE(pane.waitRow(22, kColourPrompt)) << pane.screen();
  ASSERT_TRUE(pane.clickReady(22, 12));
  ASSERT_TRUE(pane.waitRow(22, "  0 1 2 3 4 5 6 7 8 9")) << pane.screen();
  ASSERT_TRUE(pane.clickReady(22, 3));
  ASSERT_TRUE(pane.waitRow(21, "  Click Piece and then Destination")) << pane.screen();
  ASSERT_TRUE(pane.waitReady());
  EXPECT_EQ(pane.flags(), "alt=1 cursor=1 mouse=100 sgr=0 keypad=1\n");

  // Too small: clicks on RESIGN and a piece go unanswered, and EXIT typed
  // meanwhile waits until the game can be seen again.
  pane.resize(60, 10);
  ASSERT_TRUE(pane.waitFor("(now 60 x 10)")) << pane.screen();
  pane.click(1, 37);
  pane.click(16, 27);
  pane.send("ex\r");
  ASSERT_TRUE(pane.waitInputTaken());
  std::this_thread::sleep_for(std::chrono::seconds(1));  // time enough to act wrongly
  for (const std::string& name : FileNames(pane.dir()))
    EXPECT_FALSE(name.starts_with("BDVX")) << "the game acted while too small: " << name;
  pane.resize(100, 30);
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.screen();
  EXPECT_EQ(pane.row(1), kMenu);  // the whole screen is back
  EXPECT_EQ(pane.screen().find("THANK-YOU"), std::string::npos);
  EXPECT_TRUE(pane.row(23).starts_with("  Transcript: BDVXHIST")) << pane.screen();

  ASSERT_TRUE(pane.waitReady());
  pane.send("\x03");
  ASSERT_TRUE(pane.waitFor("FINISHED")) << pane.screen();
  EXPECT_EQ(pane.exitStatus(), "130");
  EXPECT_TRUE(pane.modesKept());
  EXPECT_EQ(pane.flags(), kRestored);
}

}  // namespace
}  // namespace bdvx::term
