// A tiny program on the real terminal console, run by the tmux tests inside a
// pane (this test program started again with the disabled test selected). It
// shows what it receives, so a test can read the result off the pane.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "console/terminal_console.h"

namespace bdvx {
namespace {

void Show(Console& con, int row, const std::string& text) {
  con.setColor(kNormalFg, kNormalBg);
  con.locate(row, 1);
  con.print(text + std::string(40 - text.size(), ' '));
}

TEST(DISABLED_TerminalDemo, Run) {
  std::string problem;
  std::unique_ptr<Console> con = MakeTerminalConsole(problem);
  ASSERT_NE(con, nullptr) << problem;
  std::ofstream("demo.pid") << getpid() << "\n";
  con->setColor(kNormalFg, kNormalBg);
  con->clear();
  con->print("DEMO READY");
  con->locate(2, 1);
  con->setColor(kColorWhite, 4);
  con->print("WHITE ON RED");
  con->locate(24, 71);
  con->setColor(14, 0);
  con->print("BOTTOM END");  // up to the last cell of the screen
  for (int count = 1;; ++count) {
    const std::string number = " #" + std::to_string(count);
    con->setColor(kNormalFg, kNormalBg);
    con->locate(5, 1);
    const Entry entry = con->waitEntry(true);
    if (entry.kind == Entry::Kind::Click) {
      Show(*con, 3,
           "CLICK " + std::to_string(entry.row) + " " + std::to_string(entry.col) + number);
      continue;
    }
    Show(*con, 3, "LINE " + entry.text + number);
    if (entry.text == "QUIT") break;
    if (entry.text == "INPUT") {
      con->locate(6, 1);
      const std::string text = con->inputLine();
      Show(*con, 3, "GOT " + text);
    } else if (entry.text == "SLEEP") {
      con->sleep(2500);
      Show(*con, 3, "SLEPT");
    } else if (entry.text == "SOUND") {
      con->playSound("wav/NON/check.wav", true);  // no such file: a beep
      Show(*con, 3, "SOUNDED");
    } else if (entry.text == "PLAY") {
      con->playSound("tone.wav", true);
      Show(*con, 3, "PLAYED");
    } else if (entry.text == "CRASH") {
      std::raise(SIGSEGV);
    }
  }
}

}  // namespace
}  // namespace bdvx
