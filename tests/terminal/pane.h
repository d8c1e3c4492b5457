// The built game in a real terminal: a tmux server of its own runs the
// program in one pane inside a fresh working directory. A test types keys,
// clicks with the terminal's own mouse reports, resizes the window and reads
// the screen, its colours and the terminal's modes off the pane.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"

namespace bdvx::term {

// How long a wait for the game may take before the test gives up: long
// enough for a loaded two-core machine running a sanitized build.
constexpr double kWaitSeconds = 30.0;

// One cell as the pane shows it: xterm colour numbers (-1 for the
// terminal's default) and bold.
struct Cell {
  char ch = ' ';
  int fg = -1;
  int bg = -1;
  bool bold = false;
};

class Pane {
 public:
  // Starts the game with TERM=term in a window of width x height. Under a
  // "tmux" TERM the mouse reports come in the legacy three-byte form,
  // otherwise in xterm's SGR form. The pane's shell records the terminal's
  // modes before and after the game and the game's exit status.
  Pane(const std::string& term, int width, int height);
  ~Pane();
  Pane(const Pane&) = delete;
  Pane& operator=(const Pane&) = delete;

  const std::filesystem::path& dir() const { return dir_.path(); }
  std::string tmux(const std::string& args);

  // Row 1.. of the latest screen read (without trailing blanks); "" beyond.
  std::string row(int row) const;
  const std::string& screen() const { return screen_; }
  // Reads the screen until done holds for it, for up to kWaitSeconds.
  bool waitUntil(const std::function<bool()>& done);
  bool waitFor(const std::string& text);
  bool waitRow(int row, const std::string& prefix);
  // Waits until the game waits for an entry: the cursor shows then, only then.
  bool waitReady();
  // Waits until the game has read every byte sent to it so far.
  bool waitInputTaken();
  // A fresh reading of one cell's colours.
  Cell cell(int row, int col);

  void send(const std::string& bytes);
  // A left click (press and release) on the 1-based cell.
  void click(int row, int col);
  // A mouse report of button 0 (left) or 2 (right), pressed or released.
  std::string button(int button, int row, int col, bool press) const;
  void resize(int width, int height);

  // "alt=1 cursor=1 mouse=100 sgr=1 keypad=1" while the game runs: the
  // alternate screen, the cursor, the mouse modes (press and release, any
  // button moving, any motion), SGR reports, the keypad's own codes.
  std::string flags();
  int gamePid();
  bool waitFinished();
  std::string exitStatus() const;
  bool modesKept() const;

 private:
  test::TempWorkDir dir_;
  std::string server_;
  bool legacyMouse_;
  std::string screen_;
};

// Processor time (user and system) of a process so far, in seconds.
double CpuSeconds(int pid);

// Today's date as the game writes it: mm-dd-yyyy.
std::string Today();

// The names of the files in dir, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& dir);

// The built game program.
std::filesystem::path GameProgram();

}  // namespace bdvx::term
