#include "pane.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace bdvx::term {

namespace {

using Clock = std::chrono::steady_clock;

bool Poll(const std::function<bool()>& done) {
  const auto giveUp = Clock::now() + std::chrono::milliseconds(static_cast<int>(kWaitSeconds * 1000));
  while (!done()) {
    if (Clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
  }
  return true;
}

// Applies one SGR sequence's parameters ("34", "1", "0" ...) to the pen:
// tmux writes the 16 colours as 30-37, 90-97 and 40-47, 100-107.
void ApplySgr(const std::string& params, Cell& pen) {
  std::stringstream in(params);
  for (std::string part; std::getline(in, part, ';');) {
    const int code = std::atoi(part.c_str());
    if (code == 0) pen = Cell{};
    if (code == 1 || code == 22) pen.bold = code == 1;
    if (code == 39 || code == 49) (code == 39 ? pen.fg : pen.bg) = -1;
    if ((code >= 30 && code <= 37) || (code >= 40 && code <= 47)) (code < 40 ? pen.fg : pen.bg) = code % 10;
    if ((code >= 90 && code <= 97) || code >= 100) (code < 100 ? pen.fg : pen.bg) = code % 10 + 8;
  }
}

}  // namespace

Pane::Pane(const std::string& term, int width, int height)
    : server_("tmux -S '" + (dir_.path() / "tmux.socket").string() + "' -f /dev/null "),
      legacyMouse_(term.starts_with("tmux")) {
  // The shell ignores Ctrl-C itself so that it can record what the game
  // left behind; stty -g gives the modes without the window's size.
  std::ofstream(dir() / "pane.sh") << "trap true INT; stty -g > before.txt; TERM=" << term << " '"
                                   << GameProgram().string()
                                   << "'; echo $? > status.txt; stty -g > after.txt;"
                                      " echo FINISHED; sleep 600\n";
  tmux("new-session -d -x " + std::to_string(width) + " -y " + std::to_string(height) +
       " -s t -c '" + dir().string() + "' 'sh pane.sh'");
}

std::string Pane::tmux(const std::string& args) { return test::RunCommand(server_ + args + " 2>&1"); }

std::string Pane::row(int row) const {
  std::stringstream in(screen_);
  std::string line;
  for (int i = 1; i <= row; ++i)
    if (!std::getline(in, line)) return "";
  return line.substr(0, line.find_last_not_of(' ') + 1);
}

bool Pane::waitUntil(const std::function<bool()>& done) {
  return Poll([&] {
    screen_ = tmux("capture-pane -p -t t");
    return done();
  });
}

bool Pane::waitFor(const std::string& text) {
  return waitUntil([&] { return screen_.find(text) != std::string::npos; });
}

bool Pane::waitRow(int row, const std::string& prefix) {
  return waitUntil([&] { return this->row(row).starts_with(prefix); });
}

bool Pane::waitReady() {
  return Poll([&] { return tmux("display -p -t t '#{cursor_flag}'") == "1\n"; });
}

bool Pane::waitInputTaken() {
  std::string tty = tmux("display -p -t t '#{pane_tty}'");
  tty.erase(tty.find_last_not_of('\n') + 1);
  const int fd = ::open(tty.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  int waiting = 1;
  const bool taken = Poll([&] { return ::ioctl(fd, FIONREAD, &waiting) == 0 && waiting == 0; });
  ::close(fd);
  return taken;
}

// tmux writes a colour only where it changes, carried across the lines.
Cell Pane::cell(int row, int col) {
  const std::string capture = tmux("capture-pane -p -e -N -t t");
  Cell pen;
  int r = 1;
  int c = 1;
  for (std::size_t i = 0; i < capture.size(); ++i) {
    if (capture[i] == '\033') {
      const std::size_t end = capture.find('m', i);
      if (end == std::string::npos) break;
      ApplySgr(capture.substr(i + 2, end - i - 2), pen);
      i = end;
    } else if (capture[i] == '\n') {
      ++r;
      c = 1;
    } else if (r == row && c++ == col) {
      pen.ch = capture[i];
      return pen;
    }
  }
  return Cell{};
}

void Pane::send(const std::string& bytes) { tmux("send-keys -t t -H " + test::HexBytes(bytes)); }

std::string Pane::button(int button, int row, int col, bool press) const {
  if (legacyMouse_) {  // the release names no button
    const int code = press ? button : 3;
    return std::string("\033[M") + static_cast<char>(32 + code) + static_cast<char>(32 + col) +
           static_cast<char>(32 + row);
  }
  return "\033[<" + std::to_string(button) + ";" + std::to_string(col) + ";" + std::to_string(row) +
         (press ? "M" : "m");
}

void Pane::click(int row, int col) { send(button(0, row, col, true) + button(0, row, col, false)); }

void Pane::resize(int width, int height) {
  tmux("resize-window -t t -x " + std::to_string(width) + " -y " + std::to_string(height));
}

std::string Pane::flags() {
  return tmux(
      "display -p -t t 'alt=#{alternate_on} cursor=#{cursor_flag} mouse=#{mouse_standard_flag}"
      "#{mouse_button_flag}#{mouse_all_flag} sgr=#{mouse_sgr_flag} keypad=#{keypad_cursor_flag}'");
}

int Pane::gamePid() {
  const std::string shell = tmux("display -p -t t '#{pane_pid}'");
  return std::atoi(test::RunCommand("pgrep -x -P " + shell.substr(0, shell.find('\n')) + " brandovex").c_str());
}

std::string Pane::exitStatus() const {
  const std::string text = test::ReadFile(dir() / "status.txt");
  return text.substr(0, text.find('\n'));
}

bool Pane::modesKept() const {
  const std::string before = test::ReadFile(dir() / "before.txt");
  return !before.empty() && before == test::ReadFile(dir() / "after.txt");
}

double CpuSeconds(int pid) {
  const std::string stat = test::ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  // The fields after the name, from the state (field 3) on: utime is 14, stime 15.
  std::stringstream in(stat.substr(close + 2));
  std::string field;
  long ticks = 0;
  for (int number = 3; number <= 15 && in >> field; ++number)
    if (number >= 14) ticks += std::atol(field.c_str());
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::filesystem::path GameProgram() { return std::filesystem::path(BRANDOVEX_BINARY_DIR) / "brandovex"; }

}  // namespace bdvx::term
