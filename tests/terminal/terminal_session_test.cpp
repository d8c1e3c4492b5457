// The terminal console in a real terminal: the demo program runs in a tmux
// pane of 80x24 (TERM=xterm-256color); the tests type, click (as the
// terminal's SGR mouse reports), resize the window and stop the program, and
// read the results off the pane.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "test_support.h"

namespace bdvx {
namespace {

using test::HexBytes;
using test::RunCommand;
using Clock = std::chrono::steady_clock;


// An xterm SGR mouse report: button 0 left, 2 right; 1-based cell.
std::string Mouse(int button, int row, int col, bool press) {
  return "\033[<" + std::to_string(button) + ";" + std::to_string(col) + ";" + std::to_string(row) +
         (press ? "M" : "m");
}

// A tmux server of its own (its socket in the temporary working directory)
// running the demo in one pane. The pane's shell records the terminal modes before and
// after the demo and the demo's exit status.
class DemoPane {
 public:
  DemoPane() : tmux_("tmux -S " + (dir_.path() / "tmux.socket").string() + " -f /dev/null ") {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string script =
        "trap true INT; stty -a > before.txt; TERM=xterm-256color " + self +
        " --gtest_also_run_disabled_tests --gtest_filter=DISABLED_TerminalDemo.Run;"
        " echo STATUS $? > status.txt; stty -a > after.txt; echo FINISHED; sleep 600";
    std::ofstream("pane.sh") << script << "\n";
    tmux("new-session -d -x 80 -y 24 -s t -c " + dir_.path().string() + " 'sh pane.sh'");
  }
  ~DemoPane() { tmux("kill-server"); }

  std::string tmux(const std::string& args) { return RunCommand(tmux_ + args + " 2>&1"); }
  std::string screen() { return tmux("capture-pane -p -t t"); }
  std::string row(int row) {
    const std::string text = screen();
    std::size_t start = 0;
    for (int i = 1; i < row && start != std::string::npos; ++i) {
      start = text.find('\n', start);
      if (start != std::string::npos) ++start;
    }
    if (start == std::string::npos) return "";
    return text.substr(start, text.find('\n', start) - start);
  }
  void type(const std::string& text) { tmux("send-keys -t t -l '" + text + "'"); }
  void key(const std::string& name) { tmux("send-keys -t t " + name); }
  void bytes(const std::string& raw) { tmux("send-keys -t t -H " + HexBytes(raw)); }
  void click(int row, int col) { bytes(Mouse(0, row, col, true) + Mouse(0, row, col, false)); }

  // Waits (up to ten seconds) until the pane shows the text.
  bool waitFor(const std::string& text) {
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < giveUp) {
      if (screen().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  std::string flags() {
    return tmux(
        "display -p -t t 'alt=#{alternate_on} cursor=#{cursor_flag} "
        "mouse=#{mouse_standard_flag}#{mouse_button_flag}#{mouse_all_flag}"
        "#{mouse_sgr_flag} keypad=#{keypad_cursor_flag}'");
  }
  // Waits for the demo to end and checks that the terminal is as it was.
  void expectRestored(const std::string& status) {
    ASSERT_TRUE(waitFor("FINISHED")) << screen();
    EXPECT_EQ(test::ReadFile("status.txt"), "STATUS " + status + "\n");
    EXPECT_EQ(test::ReadFile("before.txt"), test::ReadFile("after.txt"));
    EXPECT_EQ(flags(), "alt=0 cursor=1 mouse=0000 keypad=0\n");
  }

 private:
  test::TempWorkDir dir_;
  std::string tmux_;
};

bool HaveTmux() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

long CpuTicks(const std::string& pid) {
  const std::string stat = test::ReadFile("/proc/" + pid + "/stat");
  const std::size_t end = stat.rfind(')');
  std::size_t at = end + 2;
  // Fields after the name: state is 3rd, utime 14th, stime 15th.
  for (int field = 3; field < 14; ++field) at = stat.find(' ', at) + 1;
  const long utime = std::strtol(stat.c_str() + at, nullptr, 10);
  at = stat.find(' ', at) + 1;
  return utime + std::strtol(stat.c_str() + at, nullptr, 10);
}

TEST(TerminalSession, DrawsReadsClicksAndLinesSurvivesResizesAndRestoresOnCtrlC) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  DemoPane pane;
  ASSERT_TRUE(pane.waitFor("DEMO READY")) << pane.screen();
  EXPECT_TRUE(pane.waitFor("BOTTOM END"));
  EXPECT_EQ(pane.row(24), std::string(70, ' ') + "BOTTOM END");
  // Blue on light cyan, white on red, in the terminal's 16-colour numbering.
  const std::string colours = pane.tmux("capture-pane -p -e -t t");
  EXPECT_NE(colours.find("\033[34m\033[106mDEMO READY"), std::string::npos) << colours;
  EXPECT_NE(colours.find("\033[97m\033[41mWHITE ON RED"), std::string::npos) << colours;
  EXPECT_EQ(pane.flags(), "alt=1 cursor=1 mouse=1001 keypad=1\n");

  // A half-typed line gives way to a click, and its echo goes.
  pane.type("abc");
  ASSERT_TRUE(pane.waitFor("abc"));
  pane.click(3, 5);
  ASSERT_TRUE(pane.waitFor("CLICK 3 5 #1"));
  EXPECT_EQ(pane.row(5), "");  // the pane shows no trailing blanks

  pane.type("hello");
  pane.key("Enter");
  ASSERT_TRUE(pane.waitFor("LINE hello #2"));

  // A left press while the right button is held is no click, in one burst
  // of reports or spread out.
  pane.bytes(Mouse(2, 10, 10, true) + Mouse(0, 12, 12, true));
  pane.bytes(Mouse(0, 12, 12, false));
  pane.bytes(Mouse(2, 10, 10, false) + Mouse(0, 4, 7, true) + Mouse(0, 4, 7, false));
  ASSERT_TRUE(pane.waitFor("CLICK 4 7 #3")) << pane.screen();
  pane.click(1, 1);  // the top-left cell
  ASSERT_TRUE(pane.waitFor("CLICK 1 1 #4"));

  pane.type("INPUT");
  pane.key("Enter");
  ASSERT_TRUE(pane.waitFor("LINE INPUT #5"));
  pane.type("e2e4x");
  pane.key("BSpace");
  pane.key("Enter");
  ASSERT_TRUE(pane.waitFor("GOT e2e4"));
  EXPECT_EQ(pane.row(6), "? e2e4");

  // Too small a window asks for room, then the screen comes back whole, also
  // while the game sleeps.
  pane.tmux("resize-window -t t -x 70 -y 20");
  ASSERT_TRUE(pane.waitFor("Please enlarge this terminal to 80 x 24 (now 70 x 20)"));
  pane.tmux("resize-window -t t -x 90 -y 30");
  ASSERT_TRUE(pane.waitFor("DEMO READY"));
  EXPECT_EQ(pane.row(3).substr(0, 8), "GOT e2e4");
  EXPECT_EQ(pane.row(24), std::string(70, ' ') + "BOTTOM END");
  pane.type("SLEEP");
  pane.key("Enter");
  ASSERT_TRUE(pane.waitFor("LINE SLEEP"));
  pane.tmux("resize-window -t t -x 60 -y 10");
  ASSERT_TRUE(pane.waitFor("(now 60 x 10)"));
  pane.type("Q");  // typed while the game sleeps: kept for the next line
  pane.tmux("resize-window -t t -x 80 -y 24");
  ASSERT_TRUE(pane.waitFor("SLEPT"));
  ASSERT_TRUE(pane.waitFor("DEMO READY"));
  EXPECT_EQ(pane.row(5).substr(0, 1), "Q");

  // Waiting for a click costs next to no processor time.
  const std::string pidLine = test::ReadFile("demo.pid");
  const std::string pid = pidLine.substr(0, pidLine.find('\n'));
  const long before = CpuTicks(pid);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_LE(CpuTicks(pid) - before, 5);

  pane.key("C-c");
  pane.expectRestored("130");
}

TEST(TerminalSession, MissingCueBeepsAndNormalEndRestoresTheTerminal) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  DemoPane pane;
  ASSERT_TRUE(pane.waitFor("DEMO READY")) << pane.screen();
  EXPECT_EQ(pane.tmux("display -p -t t '#{window_bell_flag}'"), "0\n");
  pane.type("SOUND");
  pane.key("Enter");
  ASSERT_TRUE(pane.waitFor("SOUNDED"));
  EXPECT_EQ(pane.tmux("display -p -t t '#{window_bell_flag}'"), "1\n");
  pane.type("QUIT");
  pane.key("Enter");
  pane.expectRestored("0");
}

TEST(TerminalSession, CrashRestoresTheTerminal) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  DemoPane pane;
  ASSERT_TRUE(pane.waitFor("DEMO READY")) << pane.screen();
  pane.type("CRASH");
  pane.key("Enter");
  ASSERT_TRUE(pane.waitFor("FINISHED")) << pane.screen();
  EXPECT_NE(test::ReadFile("status.txt"), "STATUS 0\n");
  EXPECT_EQ(test::ReadFile("before.txt"), test::ReadFile("after.txt"));
  EXPECT_EQ(pane.flags(), "alt=0 cursor=1 mouse=0000 keypad=0\n");
}

}  // namespace
}  // namespace bdvx
