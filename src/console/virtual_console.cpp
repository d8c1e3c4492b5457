#include "console/virtual_console.h"

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

std::string VirtualConsole::inputLine() {
  print("? ");
  while (!input_.empty()) {
    Scripted s = input_.front();
    input_.pop_front();
    if (s.entry.kind != Entry::Kind::Line) continue;  // clicks do not type
    print(s.entry.text);
    newLine();
    return s.entry.text;
  }
  throw ScriptExhausted();
}

Entry VirtualConsole::waitEntry(bool acceptLines) {
  while (!input_.empty()) {
    Scripted s = input_.front();
    input_.pop_front();
    if (s.entry.kind == Entry::Kind::Click) {
      if ((s.mask & 1) && !(s.mask & 2)) return s.entry;
      continue;  // a right press, alone or with the left, is no click
    }
    if (!acceptLines) continue;
    print(s.entry.text);
    return s.entry;
  }
  throw ScriptExhausted();
}

// The clock moves on, and an early click next in the script comes now: a
// pause at a prompt keeps it for the reader, a plain sleep drops it.
void VirtualConsole::passDelay(int milliseconds, bool keepClicks) {
  now_ += milliseconds / 1000.0;
  slept_ += milliseconds / 1000.0;
  if (input_.empty() || input_.front().arrival != Arrival::Early) return;
  if (keepClicks)
    input_.front().arrival = Arrival::Waiting;  // it waits for the reader now
  else
    input_.pop_front();
}

void VirtualConsole::sleep(int milliseconds) { passDelay(milliseconds, false); }

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

std::string VirtualConsole::textAt(int row, int col, int length) const {
  return screen_.rowText(row).substr(static_cast<std::size_t>(col - 1),
                                     static_cast<std::size_t>(length));
}

}  // namespace bdvx
