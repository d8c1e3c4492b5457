#include "console/virtual_console.h"

#include <cstdio>
#include <filesystem>

namespace bdvx {

VirtualConsole::VirtualConsole(std::uint32_t seed) : rng_(seed), seed_(seed) {}

void VirtualConsole::queueButton(int row, int col, int mask, Arrival arrival) {
  Scripted s;
  s.entry.kind = Entry::Kind::Click;
  s.entry.row = row;
  s.entry.col = col;
  s.mask = mask;
  s.arrival = arrival;
  input_.push_back(s);
}

void VirtualConsole::queueLine(const std::string& text) {
  Scripted s;
  s.entry.kind = Entry::Kind::Line;
  s.entry.text = text;
  input_.push_back(s);
}

void VirtualConsole::queueAction(std::function<void()> action) {
  Scripted s;
  s.action = std::move(action);
  input_.push_back(std::move(s));
}

VirtualConsole::Scripted VirtualConsole::next() {
  while (!input_.empty()) {
    Scripted s = std::move(input_.front());
    input_.pop_front();
    if (!s.action) return s;
    s.action();
  }
  throw ScriptExhausted();
}

std::string VirtualConsole::inputLine() {
  print("? ");
  if (keepAtWaits_) keepMoment("line");
  while (true) {
    const Scripted s = next();
    if (s.entry.kind != Entry::Kind::Line) continue;  // clicks do not type
    print(s.entry.text);
    newLine();
    return s.entry.text;
  }
}

Entry VirtualConsole::waitEntry(bool acceptLines) {
  if (keepAtWaits_) keepMoment(acceptLines ? "entry" : "click");
  while (true) {
    const Scripted s = next();
    if (s.entry.kind == Entry::Kind::Click) {
      if ((s.mask & 1) && !(s.mask & 2)) return s.entry;
      continue;  // a right press, alone or with the left, is no click
    }
    if (!acceptLines) continue;
    print(s.entry.text);
    return s.entry;
  }
}

// The clock moves on, and an early click next in the script (actions aside)
// comes now: a pause at a prompt keeps it for the reader, a plain sleep
// drops it.
void VirtualConsole::passDelay(int milliseconds, bool keepClicks) {
  now_ += milliseconds / 1000.0;
  slept_ += milliseconds / 1000.0;
  auto it = input_.begin();
  while (it != input_.end() && it->action) ++it;
  if (it == input_.end() || it->arrival != Arrival::Early) return;
  if (keepClicks)
    it->arrival = Arrival::Waiting;  // it waits for the reader now
  else
    input_.erase(it);
}

void VirtualConsole::sleep(int milliseconds) {
  if (keepAtSleeps_) keepMoment("sleep");
  passDelay(milliseconds, false);
}

void VirtualConsole::pauseAtPrompt(int milliseconds) { passDelay(milliseconds, true); }

double VirtualConsole::random() {
  ++randomDraws_;
  if (!forcedRandom_.empty()) {
    const double value = forcedRandom_.front();
    forcedRandom_.pop_front();
    return value;
  }
  return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
}

void VirtualConsole::randomize() {
  ++randomizeCount_;
  rng_.seed(seed_ + static_cast<std::uint32_t>(randomizeCount_));
}

void VirtualConsole::playSound(const std::string& path, bool wait) {
  sounds_.push_back({path, wait});
  std::error_code ec;
  const bool exists = soundFilesExist_ || std::filesystem::is_regular_file(path, ec);
  if (!exists) ++bells_;
}

std::string VirtualConsole::render() const {
  std::string text;
  for (int row = 1; row <= kScreenRows; ++row) {
    const std::string chars = screen_.rowText(row);
    text += chars.substr(0, chars.find_last_not_of(' ') + 1) + "\n";
    // Runs of one colour pair: "1b*13 ff*2".
    for (int col = 1; col <= kScreenCols;) {
      const Cell& first = screen_.cell(row, col);
      int length = 0;
      for (; col <= kScreenCols && screen_.cell(row, col).fg == first.fg &&
             screen_.cell(row, col).bg == first.bg;
           ++col) {
        ++length;
      }
      char run[16];
      std::snprintf(run, sizeof run, "%s%x%x*%d", col - length == 1 ? "" : " ", first.fg,
                    first.bg, length);
      text += run;
    }
    text += "\n";
  }
  return text;
}

void VirtualConsole::keepMoment(const char* what) {
  moments_.push_back({what, render(), screen_.cursorRow(), screen_.cursorCol(), now_,
                      randomDraws_, sounds_.size()});
}

std::string VirtualConsole::textAt(int row, int col, int length) const {
  return screen_.rowText(row).substr(static_cast<std::size_t>(col - 1),
                                     static_cast<std::size_t>(length));
}

}  // namespace bdvx
