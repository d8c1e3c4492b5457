// The real console on an ncurses terminal. Everything the game prints goes
// into the screen buffer first; the terminal is repainted from the buffer's
// changed rows and flushed once whenever the game starts to wait (for an
// entry, a typed line, a delay or a cue), so a screen never flickers while
// it is being built.
#define NCURSES_WIDECHAR 1
#define NCURSES_NOMACROS 1
#include "console/terminal_console.h"

#include <curses.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <random>
#include <vector>

#include "console/cue_file.h"
#include "console/screen_buffer.h"
#include "console/sound_player.h"
#include "console/terminal_capabilities.h"
#include "console/terminal_colors.h"
#include "console/terminal_mouse.h"
#include "console/terminal_restore.h"
#include "console/typed_line.h"

namespace bdvx {

namespace {

using Clock = std::chrono::steady_clock;

// Longest single wait for terminal input; the loops around it only check the
// clock, so the process idles while the player thinks.
constexpr int kInputWaitMs = 250;
// Input not yet taken by the game (keys typed while it was busy, clicks made
// during a prompt's pause or in the same burst as the one taken) is kept up
// to this many.
constexpr std::size_t kMaxPending = 256;

constexpr mmask_t kMouseEvents =
    BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON3_PRESSED | BUTTON3_RELEASED;

class TerminalConsole;
TerminalConsole* gActiveConsole = nullptr;
void LeaveTerminalAtExit();

// One thing read from the terminal.
struct Input {
  enum class Kind { None, Key, Click } kind = Kind::None;
  int key = 0;
  int row = 0;
  int col = 0;
};

// The terminal's key codes as a typed line takes them: Enter and Backspace
// in their several forms, printable ASCII as it is, nothing else.
int TranslateKey(int code) {
  if (code == '\n' || code == '\r' || code == KEY_ENTER) return kKeyEnter;
  if (code == KEY_BACKSPACE || code == 127 || code == '\b') return kKeyBackspace;
  if (code >= 0x20 && code < 0x7f) return code;
  return -1;
}

// True when the terminal has gone away: hung up, closed, or at end of input
// (readable with nothing to read). Asked after a wait for input brought
// nothing, which a gone terminal does at once, again and again.
bool TerminalGone(int fd) {
  pollfd poller{fd, POLLIN, 0};
  if (poll(&poller, 1, 0) <= 0) return false;
  if (poller.revents & (POLLHUP | POLLERR | POLLNVAL)) return true;
  int waiting = 0;
  return (poller.revents & POLLIN) && ioctl(fd, FIONREAD, &waiting) == 0 && waiting == 0;
}

class TerminalConsole : public Console {
 public:
  explicit TerminalConsole(SCREEN* terminal);
  ~TerminalConsole() override { shutdown(); }
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  void locate(int row, int column) override { screen_.locate(row, column); }
  void setColor(int fg, int bg) override { screen_.setColor(fg, bg); }
  void print(std::string_view text) override { screen_.print(text); }
  void clear() override { screen_.clear(); }
  void newLine() override { screen_.newLine(); }
  void skipColumns(int n) override { screen_.skipColumns(n); }
  void scrollUp(int top, int bottom) override { screen_.scrollUp(top, bottom); }
  std::string inputLine() override;
  Entry waitEntry(bool acceptLines) override;
  void sleep(int milliseconds) override;
  void pauseAtPrompt(int milliseconds) override;
  double timer() override;
  std::string dateString() override { return localTimeText("%m-%d-%Y"); }
  std::string timeString() override { return localTimeText("%H:%M:%S"); }
  double random() override;
  void randomize() override;
  void playSound(const std::string& path, bool wait) override;

  // Gives the terminal back; safe to call more than once.
  void shutdown();
  // Ends the program for a terminal that has gone away, writing nothing more.
  [[noreturn]] void leaveGoneTerminal();

 private:
  void readInputs(int timeoutMs, bool keepClicks);
  void takeMouseReports(bool keepClicks);
  void keep(const Input& input);
  bool nextInput(Input& input);
  void pump(int milliseconds, bool keepClicks);
  void present();
  void paintRow(int row);
  void showTooSmall();
  void onResize();
  void showCursor(bool shown);
  short pairFor(const TerminalColor& fg, const TerminalColor& bg);
  static std::string localTimeText(const char* format);

  SCREEN* terminal_;
  ScreenBuffer screen_;
  std::unique_ptr<SoundPlayer> sound_;
  std::filesystem::path programDir_ = ProgramDir();  // where installed voices are found
  std::deque<Input> pending_;
  ClickFilter clicks_;
  std::mt19937 rng_;
  int colors_ = 0;                   // colours the terminal has (0: monochrome)
  int pairLimit_ = 0;                // colour pairs the terminal has
  short nextPair_ = 1;               // pair 0 is the terminal's own default
  std::array<short, 256> pairOf_{};  // by curses foreground * 16 + background
  bool tooSmall_ = false;
  bool repaintAll_ = true;
  bool cursorShown_ = false;
};

TerminalConsole::TerminalConsole(SCREEN* terminal) : terminal_(terminal) {
  assert(gActiveConsole == nullptr && "one terminal console at a time");
  gActiveConsole = this;
  static const bool atExitRegistered = std::atexit(LeaveTerminalAtExit) == 0;
  (void)atExitRegistered;

  cbreak();
  noecho();
  keypad(stdscr, TRUE);
  scrollok(stdscr, FALSE);
  set_escdelay(25);
  mousemask(kMouseEvents, nullptr);
  mouseinterval(0);  // plain press and release reports, no click guessing
  if (has_colors()) {
    start_color();
    colors_ = COLORS;
    pairLimit_ = COLOR_PAIRS;
  }
  curs_set(0);
  werase(stdscr);
  tooSmall_ = LINES < kScreenRows || COLS < kScreenCols;
  if (tooSmall_) showTooSmall();

  sound_ = MakeSdlSoundPlayer();
  sound_->setPause([this](int ms) { pump(ms, false); });
  randomize();
}

void TerminalConsole::shutdown() {
  if (terminal_ == nullptr) return;
  sound_.reset();
  RemoveTerminalRestore();
  mousemask(0, nullptr);
  curs_set(1);
  endwin();
  delscreen(terminal_);
  terminal_ = nullptr;
  RestoreSavedTerminalModes();
  gActiveConsole = nullptr;
}

// The player has gone with the terminal. Curses' farewell goes to /dev/null,
// the modes saved at the start are put back as far as the terminal still
// takes them, and the program ends.
void TerminalConsole::leaveGoneTerminal() {
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null >= 0) {
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    close(null);
  }
  shutdown();
  std::exit(kExitNoTerminal);
}

// A pair for the two terminal colours, made on first use. A terminal without
// enough pairs shows the rest in its default colours.
short TerminalConsole::pairFor(const TerminalColor& fg, const TerminalColor& bg) {
  if (colors_ == 0) return 0;
  assert(fg.color >= 0 && fg.color < 16 && bg.color >= 0 && bg.color < 16);
  short& pair = pairOf_[static_cast<std::size_t>(fg.color * 16 + bg.color)];
  if (pair == 0 && nextPair_ < pairLimit_ && init_pair(nextPair_, fg.color, bg.color) == OK)
    pair = nextPair_++;
  return pair;
}

void TerminalConsole::paintRow(int row) {
  for (int col = 1; col <= kScreenCols; ++col) {
    const Cell& cell = screen_.cell(row, col);
    const TerminalColor fg = MapConsoleColor(cell.fg, colors_, false);
    const TerminalColor bg = MapConsoleColor(cell.bg, colors_, true);
    const short pair = pairFor(fg, bg);
    const attr_t attrs = fg.bold ? A_BOLD : A_NORMAL;
    const wchar_t text[2] = {static_cast<wchar_t>(static_cast<unsigned char>(cell.ch)), L'\0'};
    cchar_t out;
    setcchar(&out, text, attrs, pair, nullptr);
    // The bottom-right cell cannot advance the cursor; curses still draws it.
    mvwadd_wch(stdscr, row - 1, col - 1, &out);
  }
}

// The cursor shows only while the game waits for typing; present applies it.
void TerminalConsole::showCursor(bool shown) { cursorShown_ = shown; }

// While the terminal is smaller than the game's screen, one line asks for
// more room in place of the game.
void TerminalConsole::showTooSmall() {
  const std::string text = "Please enlarge this terminal to " + std::to_string(kScreenCols) +
                           " x " + std::to_string(kScreenRows) + " (now " + std::to_string(COLS) +
                           " x " + std::to_string(LINES) + ")";
  werase(stdscr);
  mvwaddnstr(stdscr, 0, 0, text.c_str(), std::max(0, COLS - 1));
  curs_set(0);
  wrefresh(stdscr);
}

// Repaints the changed rows (or all after a resize), puts the cursor where the
// game's cursor is, and flushes once.
void TerminalConsole::present() {
  if (tooSmall_) return;
  unsigned rows = screen_.takeDirtyRows();
  if (repaintAll_) {
    rows = ~0u;
    repaintAll_ = false;
  }
  for (int row = 1; row <= kScreenRows; ++row)
    if (rows & (1u << (row - 1))) paintRow(row);
  wmove(stdscr, screen_.cursorRow() - 1, std::min(screen_.cursorCol(), kScreenCols) - 1);
  curs_set(cursorShown_ ? 1 : 0);
  wrefresh(stdscr);
}

void TerminalConsole::onResize() {
  tooSmall_ = LINES < kScreenRows || COLS < kScreenCols;
  if (tooSmall_) {
    showTooSmall();
    return;
  }
  werase(stdscr);
  repaintAll_ = true;
  present();
}

void TerminalConsole::keep(const Input& input) {
  if (pending_.size() < kMaxPending) pending_.push_back(input);
}

// Takes every mouse report curses holds. Several reports can arrive in one
// burst; curses hands them out newest first, so they are put back in the
// order they happened before the button state follows them.
void TerminalConsole::takeMouseReports(bool keepClicks) {
  std::vector<MEVENT> reports;
  MEVENT event{};
  while (getmouse(&event) == OK) reports.push_back(event);
  for (auto it = reports.rbegin(); it != reports.rend(); ++it) {
    const mmask_t state = it->bstate;
    const bool click =
        clicks_.report((state & (BUTTON1_PRESSED | BUTTON1_CLICKED)) != 0,
                       (state & BUTTON3_PRESSED) != 0, (state & BUTTON3_RELEASED) != 0);
    Input input;
    if (!click || tooSmall_ || !keepClicks) continue;
    if (!ClickCell(it->x, it->y, input.row, input.col)) continue;
    input.kind = Input::Kind::Click;
    keep(input);
  }
}

// Waits up to timeoutMs for the terminal and keeps what it brings: keys,
// and left clicks when keepClicks. Resizes are handled here, and a terminal
// that has gone away ends the program.
void TerminalConsole::readInputs(int timeoutMs, bool keepClicks) {
  wtimeout(stdscr, timeoutMs);
  const int code = wgetch(stdscr);
  if (code == ERR) {
    if (TerminalGone(STDIN_FILENO)) leaveGoneTerminal();
    return;
  }
  if (code == KEY_RESIZE) {
    onResize();
    return;
  }
  if (code == KEY_MOUSE) {
    takeMouseReports(keepClicks);
    return;
  }
  Input input;
  input.key = TranslateKey(code);
  if (input.key < 0) return;
  input.kind = Input::Kind::Key;
  keep(input);
}

// The oldest input not yet taken, waiting up to one input wait for the
// terminal when there is none; false when nothing came. While the window is
// too small keys are kept but none is handed out: the game must not act on
// what the player cannot see.
bool TerminalConsole::nextInput(Input& input) {
  if (pending_.empty() || tooSmall_) readInputs(kInputWaitMs, true);
  if (pending_.empty() || tooSmall_) return false;
  input = pending_.front();
  pending_.pop_front();
  return true;
}

// Spends the milliseconds handling the terminal: resizes are redrawn, keys
// are kept for the next typed line, clicks are kept when keepClicks (a
// prompt is on screen) and dropped otherwise (no prompt asked where to click;
// clicks left over from the last prompt were aimed at a screen that is now
// changing, so they go too).
void TerminalConsole::pump(int milliseconds, bool keepClicks) {
  if (!keepClicks) {
    std::erase_if(pending_, [](const Input& in) { return in.kind == Input::Kind::Click; });
  }
  const Clock::time_point until = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
    if (left.count() <= 0) return;
    readInputs(static_cast<int>(std::min<long long>(left.count(), kInputWaitMs)), keepClicks);
  }
}

Entry TerminalConsole::waitEntry(bool acceptLines) {
  showCursor(acceptLines);
  present();
  TypedLine line(screen_);
  if (!acceptLines)
    std::erase_if(pending_, [](const Input& in) { return in.kind == Input::Kind::Key; });
  for (;;) {
    Input input;
    if (!nextInput(input)) continue;
    if (input.kind == Input::Kind::Click) {
      // A click wins over a half-typed line, whose echo goes away.
      line.discard();
      showCursor(false);
      Entry entry;
      entry.kind = Entry::Kind::Click;
      entry.row = input.row;
      entry.col = input.col;
      return entry;
    }
    if (!acceptLines) continue;
    if (line.key(input.key)) {
      showCursor(false);
      Entry entry;
      entry.kind = Entry::Kind::Line;
      entry.text = line.text();
      return entry;
    }
    present();
  }
}

std::string TerminalConsole::inputLine() {
  screen_.print("? ");
  showCursor(true);
  present();
  TypedLine line(screen_);
  for (;;) {
    Input input;
    if (!nextInput(input)) continue;
    if (input.kind != Input::Kind::Key) continue;  // clicks do not type
    if (line.key(input.key)) break;
    present();
  }
  screen_.newLine();
  showCursor(false);
  return line.text();
}

void TerminalConsole::sleep(int milliseconds) {
  present();
  if (milliseconds > 0) pump(milliseconds, false);
}

// The prompt goes on screen, then the delay passes keeping the clicks for
// the reader. A click still unread from just before (the game was busy for a
// moment after the last entry) was made at a prompt too: it is kept as well.
// Longer busy stretches (the computer's move) end in a plain sleep (the
// flash), which drops the clicks made during and before them.
void TerminalConsole::pauseAtPrompt(int milliseconds) {
  present();
  if (milliseconds > 0) pump(milliseconds, true);
}

double TerminalConsole::timer() {
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// 53 random bits scaled into [0, 1): never 1.
double TerminalConsole::random() {
  const std::uint64_t high = rng_() >> 5;
  const std::uint64_t low = rng_() >> 6;
  return static_cast<double>(high * 67108864u + low) / 9007199254740992.0;
}

void TerminalConsole::randomize() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto mono = Clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32),
                     static_cast<std::uint32_t>(mono)};
  rng_.seed(seed);
}

void TerminalConsole::playSound(const std::string& path, bool wait) {
  if (wait) present();
  PlayCueOrBell(*sound_, CueFile(path, programDir_), wait, [] { ::beep(); });
}

std::string TerminalConsole::localTimeText(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

void LeaveTerminalAtExit() {
  if (gActiveConsole != nullptr) gActiveConsole->shutdown();
}

}  // namespace

std::unique_ptr<Console> MakeTerminalConsole(std::string& problem) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    problem = "needs a terminal (run it in a terminal window)";
    return nullptr;
  }
  problem = TerminalProblem(STDOUT_FILENO);
  if (!problem.empty()) return nullptr;
  InstallTerminalRestore(STDIN_FILENO, STDOUT_FILENO);
  SCREEN* terminal = newterm(nullptr, stdout, stdin);
  if (terminal == nullptr) {
    RemoveTerminalRestore();
    problem = "cannot drive this terminal; " + std::string(kTerminalAdvice);
    return nullptr;
  }
  ArmTerminalRestore();
  return std::make_unique<TerminalConsole>(terminal);
}

}  // namespace bdvx
