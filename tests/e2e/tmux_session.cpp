#include "tmux_session.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "test_support.h"

namespace bdvx::e2e {

using test::HexBytes;
using test::RunCommand;

namespace {

using Clock = std::chrono::steady_clock;

// The moment the given seconds from now.
Clock::time_point Deadline(double seconds) {
  return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

// Runs a shell command and returns what it wrote to standard output.

// The mouse report of the left button at a 1-based cell. The legacy form
// codes button, column and row as bytes from 32 up; its release names no
// button (3).
std::string LeftButton(MouseReports reports, int row, int col, bool press) {
  if (reports == MouseReports::Legacy) {
    return std::string("\033[M") + static_cast<char>(32 + (press ? 0 : 3)) + static_cast<char>(32 + col) +
           static_cast<char>(32 + row);
  }
  return "\033[<0;" + std::to_string(col) + ";" + std::to_string(row) + (press ? "M" : "m");
}

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.pop_back();
  return text;
}

// Applies the parameters of one SGR sequence ("34", "38;5;12", "0" ...).
void ApplySgr(const std::string& params, PaneCell& pen) {
  std::vector<int> codes;
  std::stringstream in(params);
  std::string part;
  while (std::getline(in, part, ';')) codes.push_back(part.empty() ? 0 : std::atoi(part.c_str()));
  if (codes.empty()) codes.push_back(0);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int code = codes[i];
    if (code == 0) {
      pen.fg = kTermDefault;
      pen.bg = kTermDefault;
    } else if (code >= 30 && code <= 37) {
      pen.fg = code - 30;
    } else if (code >= 90 && code <= 97) {
      pen.fg = code - 90 + 8;
    } else if (code == 39) {
      pen.fg = kTermDefault;
    } else if (code >= 40 && code <= 47) {
      pen.bg = code - 40;
    } else if (code >= 100 && code <= 107) {
      pen.bg = code - 100 + 8;
    } else if (code == 49) {
      pen.bg = kTermDefault;
    } else if ((code == 38 || code == 48) && i + 2 < codes.size() && codes[i + 1] == 5) {
      (code == 38 ? pen.fg : pen.bg) = codes[i + 2];
      i += 2;
    }
  }
}

// The window's size is part of what stty reports; a test that resizes the
// window changes it, so it is left out.
std::string WithoutWindowSize(std::string modes) {
  for (const char* field : {"rows ", "columns "}) {
    const std::size_t at = modes.find(field);
    if (at == std::string::npos) continue;
    const std::size_t end = modes.find("; ", at);
    if (end != std::string::npos) modes.erase(at, end + 2 - at);
  }
  return modes;
}

}  // namespace

PaneScreen::PaneScreen(const std::string& capture) {
  std::stringstream in(capture);
  std::string line;
  while (std::getline(in, line)) {
    rows_.push_back(WithoutTrailingBlanks(line));
    all_ += rows_.back() + "\n";
  }
}

const std::string& PaneScreen::row(int row) const {
  static const std::string kNone;
  if (row < 1 || row > static_cast<int>(rows_.size())) return kNone;
  return rows_[static_cast<std::size_t>(row - 1)];
}

// tmux writes the colours as changes from the cell before, carried across
// the lines of the capture.
PaneColors::PaneColors(const std::string& capture) {
  PaneCell pen;
  std::vector<PaneCell> line;
  for (std::size_t i = 0; i < capture.size(); ++i) {
    const char ch = capture[i];
    if (ch == '\033' && i + 1 < capture.size() && capture[i + 1] == '[') {
      std::size_t end = i + 2;
      while (end < capture.size() && (std::isdigit(static_cast<unsigned char>(capture[end])) ||
                                      capture[end] == ';'))
        ++end;
      if (end < capture.size() && capture[end] == 'm') ApplySgr(capture.substr(i + 2, end - i - 2), pen);
      i = end;
      continue;
    }
    if (ch == '\n') {
      rows_.push_back(line);
      line.clear();
      continue;
    }
    PaneCell cell = pen;
    cell.ch = ch;
    line.push_back(cell);
  }
  if (!line.empty()) rows_.push_back(line);
}

PaneCell PaneColors::cell(int row, int col) const {
  if (row < 1 || row > static_cast<int>(rows_.size())) return {};
  const auto& line = rows_[static_cast<std::size_t>(row - 1)];
  if (col < 1 || col > static_cast<int>(line.size())) return {};
  return line[static_cast<std::size_t>(col - 1)];
}

std::string PaneColors::text(int row, int col, int count) const {
  std::string out;
  for (int i = 0; i < count; ++i) out += cell(row, col + i).ch;
  return out;
}

GamePane::GamePane(const std::string& name, int width, int height, MouseReports reports)
    : server_("tmux -L bdvx-e2e-" + name + "-" + std::to_string(getpid()) + " -f /dev/null "),
      reports_(reports) {
  if (!std::filesystem::exists(GameProgram())) ADD_FAILURE() << "the game is not built: " << GameProgram();
  const std::string term = reports == MouseReports::Legacy ? "tmux-256color" : "xterm-256color";
  // The shell ignores Ctrl-C itself, so that it can record what the game
  // left behind when the game is stopped by it.
  const std::string script =
      "trap true INT; stty -a > before.txt; TERM=" + term + " '" + GameProgram().string() +
      "'; echo STATUS $? > status.txt; stty -a > after.txt; echo FINISHED; sleep 600";
  std::ofstream(dir() / "pane.sh") << script << "\n";
  tmux("new-session -d -x " + std::to_string(width) + " -y " + std::to_string(height) +
       " -s t -c '" + dir().string() + "' 'sh pane.sh'");
}

GamePane::~GamePane() { tmux("kill-server"); }

std::string GamePane::tmux(const std::string& args) { return RunCommand(server_ + args + " 2>&1"); }

PaneScreen GamePane::screen() { return PaneScreen(tmux("capture-pane -p -t t")); }

PaneColors GamePane::colors() { return PaneColors(tmux("capture-pane -p -e -t t")); }

void GamePane::bytes(const std::string& raw) { tmux("send-keys -t t -H " + HexBytes(raw)); }

void GamePane::click(int row, int col) {
  bytes(LeftButton(reports_, row, col, true) + LeftButton(reports_, row, col, false));
}

bool GamePane::waitReady() {
  const Clock::time_point giveUp = Deadline(kWaitSeconds);
  while (tmux("display -p -t t '#{cursor_flag}'") != "1\n") {
    if (Clock::now() > giveUp) {
      last_ = screen();
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
  }
  return true;
}

bool GamePane::clickReady(int row, int col) {
  if (!waitReady()) return false;
  click(row, col);
  return true;
}

// The bytes still waiting in the terminal for the game to read them.
bool GamePane::waitInputTaken() {
  std::string tty = tmux("display -p -t t '#{pane_tty}'");
  while (!tty.empty() && tty.back() == '\n') tty.pop_back();
  const int fd = ::open(tty.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  const Clock::time_point giveUp = Deadline(kWaitSeconds);
  int waiting = 1;
  while (::ioctl(fd, FIONREAD, &waiting) == 0 && waiting > 0 && Clock::now() < giveUp)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ::close(fd);
  return waiting == 0;
}

void GamePane::type(const std::string& text) { bytes(text); }

void GamePane::resize(int width, int height) {
  tmux("resize-window -t t -x " + std::to_string(width) + " -y " + std::to_string(height));
}

bool GamePane::waitUntil(const std::function<bool(const PaneScreen&)>& done, double seconds) {
  const Clock::time_point giveUp = Deadline(seconds);
  for (;;) {
    last_ = screen();
    if (done(last_)) return true;
    if (Clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
  }
}

bool GamePane::waitFor(const std::string& text) {
  return waitUntil([&](const PaneScreen& s) { return s.has(text); });
}

bool GamePane::waitRow(int row, const std::string& text) {
  const std::string wanted = WithoutTrailingBlanks(text);
  return waitUntil([&](const PaneScreen& s) { return s.row(row) == wanted; });
}

bool GamePane::waitRowStarts(int row, const std::string& prefix) {
  return waitUntil([&](const PaneScreen& s) { return s.row(row).starts_with(prefix); });
}

std::string GamePane::flags() {
  return tmux("display -p -t t 'alt=#{alternate_on} cursor=#{cursor_flag} "
              "mouse=#{mouse_any_flag} sgr=#{mouse_sgr_flag}'");
}

// The game is the child of the pane's shell.
int GamePane::gamePid() {
  const int shell = std::atoi(tmux("display -p -t t '#{pane_pid}'").c_str());
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string stat = test::ReadFile(entry.path() / "stat");
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    const std::size_t open = stat.find('(');
    if (stat.substr(open + 1, close - open - 1) != "brandovex") continue;
    // After the name: the state, then the parent's id.
    if (std::atoi(stat.c_str() + close + 4) == shell) return std::atoi(stat.c_str());
  }
  return 0;
}

bool GamePane::waitFinished() {
  return waitUntil([](const PaneScreen& s) { return s.has("FINISHED"); });
}

std::string GamePane::exitStatus() {
  std::string text = test::ReadFile(dir() / "status.txt");
  if (text.starts_with("STATUS ")) text = text.substr(7);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::string GamePane::modesBefore() { return WithoutWindowSize(test::ReadFile(dir() / "before.txt")); }

std::string GamePane::modesAfter() { return WithoutWindowSize(test::ReadFile(dir() / "after.txt")); }

bool HaveTmux() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

std::filesystem::path GameProgram() { return std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex"; }

double CpuSeconds(int pid) {
  const std::string stat = test::ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  // Fields after the name, counted from 3 (the state): utime is 14, stime 15.
  std::stringstream in(stat.substr(close + 2));
  std::string field;
  long ticks = 0;
  for (int number = 3; number <= 15 && in >> field; ++number) {
    if (number >= 14) ticks += std::atol(field.c_str());
  }
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace bdvx::e2e
