// The built game in a real terminal: a tmux server of its own runs the
// program in one pane inside a fresh working directory; a test types keys,
// clicks with the terminal's own mouse reports, resizes the window and reads
// the screen, its colours and the terminal's modes off the pane.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"

namespace bdvx::term {

// How long a wait for the game may take: long enough for a loaded two-core
// machine running a sanitized build.
constexpr double kWaitSeconds = 30.0;

// One cell's colours as the pane shows them (xterm's numbers, -1 for the
// terminal's default).
struct Cell {
  char ch = ' ';
  int fg = -1;
  int bg = -1;
  bool bold = false;
};

class Pane {
 public:
  // Starts the game with TERM=term in a window of width x height; the mouse
  // reports come in the legacy form under a "tmux" TERM, else in SGR form.
  // The pane's shell keeps the terminal's modes before and after the game
  // and the game's exit status.
  Pane(const std::string& term, int width, int height);
  ~Pane() { tmux("kill-server"); }
  Pane(const Pane&) = delete;
  Pane& operator=(const Pane&) = delete;

  const std::filesystem::path& dir() const { return dir_.path(); }
  std::string tmux(const std::string& args);

  // Row 1.. of the latest screen read, without trailing blanks.
  std::string row(int row) const;
  const std::string& screen() const { return screen_; }
  // Reads the screen until done holds, for up to kWaitSeconds.
  bool waitUntil(const std::function<bool()>& done);
  bool waitFor(const std::string& text);
  bool waitRow(int row, const std::string& prefix);
  // The game waits for an entry: the cursor shows then, and only then.
  bool waitReady();
  // The game has read every byte sent to it so far.
  bool waitInputTaken();
  Cell cell(int row, int col);

  void send(const std::string& bytes);
  void click(int row, int col);  // a left press and release
  bool clickReady(int row, int col) { return waitReady() && (click(row, col), true); }
  // The report of button 0 (left) or 2 (right) pressed or released.
  std::string button(int button, int row, int col, bool press) const;
  void resize(int width, int height);

  // "alt=1 cursor=1 mouse=100 sgr=1 keypad=1": the alternate screen, the
  // cursor, the mouse modes (press and release, button motion, any motion),
  // SGR reports, the keypad's codes.
  std::string flags();
  int gamePid();
  std::string exitStatus() const;  // once the pane shows FINISHED
  bool modesKept() const;

 private:
  test::TempWorkDir dir_;
  std::string server_;
  bool legacyMouse_;
  std::string screen_;
};

// Processor time (user and system) of a process so far, in seconds.
double CpuSeconds(int pid);
std::filesystem::path GameProgram();

}  // namespace bdvx::term
