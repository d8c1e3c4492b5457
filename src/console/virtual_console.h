// A console in memory for tests and tools: the screen as cells, scripted
// clicks and typed lines, a fake clock that sleep advances, a fixed date and
// time, a seeded random source and a record of every sound. A scripted click
// can also be made to come early, before the game waits for it, where the
// real console keeps or drops it. The screen can be rendered as text, and
// kept as the player saw it at every moment the game waited for input.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/screen_buffer.h"

namespace bdvx {

// Thrown when the game asks for input after the script has run out; it ends
// a scripted run from inside the game's loop.
struct ScriptExhausted : std::runtime_error {
  ScriptExhausted() : std::runtime_error("virtual console: no scripted input left") {}
};

struct SoundEvent {
  std::string path;
  bool wait = false;
  bool operator==(const SoundEvent&) const = default;
};

class VirtualConsole : public Console {
 public:
  explicit VirtualConsole(std::uint32_t seed = 1);

  // Console
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
  double timer() override { return now_; }
  std::string dateString() override { return date_; }
  std::string timeString() override { return time_; }
  double random() override;
  void randomize() override;
  void playSound(const std::string& path, bool wait) override;

  // When a scripted click comes, as the game sees it.
  enum class Arrival {
    Waiting,  // while the game waits for an entry: pauses and sleeps pass it by
    Early,    // before that, in the game's next delay (one early click to each
              // delay): a plain sleep drops it, a pause at a prompt keeps it
  };

  // Script
  void queueClick(int row, int col, Arrival arrival = Arrival::Waiting) {
    queueButton(row, col, 1, arrival);
  }
  // mask bit 0 left, bit 1 right: only a left press without right counts.
  void queueButton(int row, int col, int mask, Arrival arrival = Arrival::Waiting);
  void queueLine(const std::string& text);
  // Runs when the game, waiting for input, comes to it in the script: the
  // player's clock moving on, a file changed meanwhile, and the like.
  void queueAction(std::function<void()> action);
  void queueRandom(double value) { forcedRandom_.push_back(value); }
  std::size_t pendingInput() const { return input_.size(); }
  void advanceClock(double seconds) { now_ += seconds; }
  void setDate(const std::string& date) { date_ = date; }
  void setTime(const std::string& time) { time_ = time; }
  // When true (the default) a cue file counts as missing unless it exists.
  void setSoundFilesExist(bool exist) { soundFilesExist_ = exist; }

  // The screen as text: per row its 80 characters without the trailing
  // blanks, then a line of its colours as runs of a foreground and a
  // background hex digit with their length ("1b*80": the whole row blue on
  // light cyan). 48 lines, each ended by a line feed.
  std::string render() const;

  // A screen the game showed, kept when it began to wait for input (what:
  // "click", "entry" or "line") or, when asked, at a plain delay ("sleep").
  struct Moment {
    std::string what;
    std::string screen;  // render()
    int cursorRow = 1;
    int cursorCol = 1;
    double time = 0;
    int randomDraws = 0;
    std::size_t sounds = 0;  // sounds() played before it
  };
  void keepMoments(bool atWaits, bool atSleeps) {
    keepAtWaits_ = atWaits;
    keepAtSleeps_ = atSleeps;
  }
  const std::vector<Moment>& moments() const { return moments_; }

  // Inspection
  const ScreenBuffer& screen() const { return screen_; }
  std::string rowText(int row) const { return screen_.rowText(row); }
  std::string textAt(int row, int col, int length) const;
  const Cell& cell(int row, int col) const { return screen_.cell(row, col); }
  const std::vector<SoundEvent>& sounds() const { return sounds_; }
  int bells() const { return bells_; }
  int randomizeCount() const { return randomizeCount_; }
  int randomDraws() const { return randomDraws_; }
  double sleptSeconds() const { return slept_; }

 private:
  struct Scripted {
    Entry entry;
    int mask = 1;
    Arrival arrival = Arrival::Waiting;
    std::function<void()> action;  // when set, no entry: runs when reached
  };

  void passDelay(int milliseconds, bool keepClicks);
  void keepMoment(const char* what);
  // The next scripted item after the actions before it have run; throws
  // ScriptExhausted when there is none.
  Scripted next();

  ScreenBuffer screen_;
  std::deque<Scripted> input_;
  std::deque<double> forcedRandom_;
  std::vector<SoundEvent> sounds_;
  std::mt19937 rng_;
  std::uint32_t seed_;
  double now_ = 1000.0;
  double slept_ = 0.0;
  std::string date_ = "12-06-2026";
  std::string time_ = "16:15:00";
  int bells_ = 0;
  int randomizeCount_ = 0;
  int randomDraws_ = 0;
  bool soundFilesExist_ = false;
  bool keepAtWaits_ = false;
  bool keepAtSleeps_ = false;
  std::vector<Moment> moments_;
};

}  // namespace bdvx
