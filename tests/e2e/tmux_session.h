// The built game played in a real terminal: a tmux server of its own runs
// the program in one pane (TERM=xterm-256color) inside a fresh working
// directory. The tests click with the terminal's own SGR mouse reports, type
// keys, resize the window and read the screen and its colours off the pane.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"

namespace bdvx::e2e {

// How long any wait for the game may take before the test gives up; long
// enough for a loaded two-core machine running a sanitized build.
constexpr double kWaitSeconds = 20.0;

// Terminal colour numbers (xterm's 16-colour order) of the game's colours as
// the pane shows them: blue 1 is the terminal's 4, the bright ones add 8.
constexpr int kTermBlue = 4;
constexpr int kTermLightRed = 9;
constexpr int kTermLightBlue = 12;
constexpr int kTermLightCyan = 14;
constexpr int kTermWhite = 15;
constexpr int kTermDefault = -1;

// One cell of the pane: its character and its colours (kTermDefault when the
// terminal's own default shows).
struct PaneCell {
  char ch = ' ';
  int fg = kTermDefault;
  int bg = kTermDefault;
};

// The characters of the pane, one text per row without trailing blanks.
class PaneScreen {
 public:
  PaneScreen() = default;
  explicit PaneScreen(const std::string& capture);
  // Row 1 to the pane's height; "" beyond.
  const std::string& row(int row) const;
  bool has(const std::string& text) const { return all_.find(text) != std::string::npos; }
  const std::string& text() const { return all_; }

 private:
  std::vector<std::string> rows_;
  std::string all_;
};

// The colours of the pane, read from the escape sequences of a capture.
class PaneColors {
 public:
  explicit PaneColors(const std::string& capture);
  // The cell at 1-based (row, col); a blank default cell outside the capture.
  PaneCell cell(int row, int col) const;
  // The characters from (row, col) on, count of them.
  std::string text(int row, int col, int count) const;

 private:
  std::vector<std::vector<PaneCell>> rows_;
};

// How the terminal reports the mouse: xterm's SGR form (TERM=xterm-256color)
// or the older form of three coded bytes that tmux's own TERM announces
// (TERM=tmux-256color). The game learns the form from TERM.
enum class MouseReports { Sgr, Legacy };

// A running game in a tmux pane of its own. The pane's shell records the
// terminal modes before and after the game and the game's exit status, then
// prints FINISHED and idles, so that the end state stays readable.
class GamePane {
 public:
  // Starts the game in a pane of width x height; name keeps sockets apart.
  explicit GamePane(const std::string& name, int width = 80, int height = 24,
                    MouseReports reports = MouseReports::Sgr);
  ~GamePane();
  GamePane(const GamePane&) = delete;
  GamePane& operator=(const GamePane&) = delete;

  // The working directory the game writes its files into.
  const std::filesystem::path& dir() const { return dir_.path(); }

  // A tmux command on this server; returns what it printed.
  std::string tmux(const std::string& args);

  PaneScreen screen();
  PaneColors colors();
  // The screen of the latest wait, for failure messages.
  const std::string& last() const { return last_.text(); }

  // A left click on the 1-based screen cell: press and release reports.
  // The game takes clicks only while a prompt is on screen (it drops those
  // that come while it is busy or in a plain pause), so a test usually waits
  // for the effect of its previous step and then for ready().
  void click(int row, int col);
  // Waits until the game waits for an entry: the terminal shows the cursor
  // then, and only then.
  bool waitReady();
  // waitReady, then the click; false when the game never got ready.
  bool clickReady(int row, int col);
  // Waits until the game has read every byte sent to it so far.
  bool waitInputTaken();
  // Keys as the terminal would send them; typeLine adds Enter.
  void type(const std::string& text);
  void typeLine(const std::string& text) { type(text + "\r"); }
  void ctrlC() { type("\x03"); }
  void resize(int width, int height);

  // Polls the screen until done holds for it or the time runs out; every
  // screen seen is handed to done, so a passing state can be noticed too.
  bool waitUntil(const std::function<bool(const PaneScreen&)>& done,
                 double seconds = kWaitSeconds);
  bool waitFor(const std::string& text);
  // Waits until the row, without trailing blanks, equals text.
  bool waitRow(int row, const std::string& text);
  // Waits until the row starts with prefix.
  bool waitRowStarts(int row, const std::string& prefix);

  // The pane's terminal state: "alt=1 cursor=1 mouse=1 sgr=1" while the game
  // runs (alternate screen, cursor shown, mouse reports in the SGR form).
  std::string flags();
  // Process id of the game (0 when it is not running).
  int gamePid();
  // Waits for the game to end; the exit status ("0", "130" ...).
  bool waitFinished();
  std::string exitStatus();
  // The terminal modes (stty -a, without the window size) before the game
  // started and after it ended.
  std::string modesBefore();
  std::string modesAfter();

 private:
  void bytes(const std::string& raw);

  test::TempWorkDir dir_;
  std::string server_;
  MouseReports reports_;
  PaneScreen last_;
};

// True when tmux can be run at all.
bool HaveTmux();

// The built game program.
std::filesystem::path GameProgram();

// Processor time (user + system) of a process so far, in seconds.
double CpuSeconds(int pid);

}  // namespace bdvx::e2e
