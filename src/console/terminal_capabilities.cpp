#define NCURSES_NOMACROS 1
#include "console/terminal_capabilities.h"

#include <curses.h>
#include <term.h>

#include <cstdlib>

namespace bdvx {

namespace {

// The terminal type as it may be shown: printable characters only, so that
// the environment cannot send control sequences through the message.
std::string Printable(std::string_view text) {
  std::string shown;
  for (char ch : text) shown += (ch >= 0x20 && ch < 0x7f) ? ch : '?';
  return shown;
}

// Whether the loaded terminal description has the string capability.
bool HasString(const char* name) {
  const char* value = tigetstr(name);
  return value != nullptr && value != reinterpret_cast<const char*>(-1);
}

}  // namespace

std::string TerminalProblem(int outputFd) {
  const char* type = std::getenv("TERM");
  if (type == nullptr || *type == '\0') {
    return "TERM is not set; " + std::string(kTerminalAdvice);
  }
  const std::string named = "the terminal type \"" + Printable(type) + "\"";
  int found = 0;
  if (setupterm(type, outputFd, &found) != OK) {
    // 1: found, but a hardcopy terminal, which has no cursor to place.
    if (found == 1) return named + " cannot place the cursor; " + std::string(kTerminalAdvice);
    return named + " is unknown; " + std::string(kTerminalAdvice);
  }
  const bool cursor = HasString("cup");
  const bool colours = tigetnum("colors") >= 8 && ((HasString("setaf") && HasString("setab")) ||
                                                   (HasString("setf") && HasString("setb")));
  del_curterm(cur_term);
  if (cursor && colours) return "";
  const char* missing = !cursor && !colours ? " cannot place the cursor or show colours; "
                        : !cursor           ? " cannot place the cursor; "
                                            : " cannot show colours; ";
  return named + missing + std::string(kTerminalAdvice);
}

}  // namespace bdvx
