#include "console/terminal_restore.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cassert>

namespace bdvx {

namespace {

constexpr std::array<int, 9> kSignals = {SIGINT,  SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                         SIGABRT, SIGBUS,  SIGFPE, SIGILL};

// Mouse reporting off (every mode), keypad transmit off, cursor shown,
// attributes reset, alternate screen left.
constexpr char kResetSequences[] =
    "\033[?1000l\033[?1002l\033[?1003l\033[?1006l\033[?1l\033>"
    "\033[?25h\033[0m\033[?1049l";

// Everything the handler touches is set before the handlers go in and only
// read inside them.
struct termios gSavedModes;
bool gHaveSavedModes = false;
int gInputFd = -1;
int gOutputFd = -1;
bool gInstalled = false;
volatile sig_atomic_t gArmed = 0;
std::array<struct sigaction, kSignals.size()> gPrevious;
std::array<bool, kSignals.size()> gHooked{};

int SignalSlot(int sig) {
  for (std::size_t i = 0; i < kSignals.size(); ++i)
    if (kSignals[i] == sig) return static_cast<int>(i);
  return -1;
}

void WriteAll(int fd, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(fd, bytes, count);
    if (written <= 0) return;  // nothing more can be done from here
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
}

// Restores the terminal, then lets the signal do what it would have done.
void OnSignal(int sig, siginfo_t* info, void* context) {
  if (gArmed) {
    gArmed = 0;
    WriteAll(gOutputFd, kResetSequences, sizeof kResetSequences - 1);
    if (gHaveSavedModes) tcsetattr(gInputFd, TCSANOW, &gSavedModes);
  }
  const int slot = SignalSlot(sig);
  if (slot >= 0) {
    const struct sigaction& previous = gPrevious[static_cast<std::size_t>(slot)];
    sigaction(sig, &previous, nullptr);
    if ((previous.sa_flags & SA_SIGINFO) && previous.sa_sigaction != nullptr) {
      previous.sa_sigaction(sig, info, context);
      return;
    }
    if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler != SIG_DFL &&
        previous.sa_handler != SIG_IGN) {
      previous.sa_handler(sig);
      return;
    }
  }
  // Default action: the signal is blocked while this handler runs, so it is
  // delivered (and ends the program) as soon as the handler returns; a fault
  // that returns here simply happens again without the handler.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(sig, &fallback, nullptr);
  raise(sig);
}

}  // namespace

void InstallTerminalRestore(int inputFd, int outputFd) {
  assert(!gInstalled);
  gInputFd = inputFd;
  gOutputFd = outputFd;
  gHaveSavedModes = tcgetattr(inputFd, &gSavedModes) == 0;
  struct sigaction action {};
  action.sa_sigaction = OnSignal;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    gHooked[i] = false;
    if (sigaction(kSignals[i], nullptr, &gPrevious[i]) != 0) continue;
    // A signal the program was told to ignore (nohup, background job) stays
    // ignored.
    const bool ignored =
        !(gPrevious[i].sa_flags & SA_SIGINFO) && gPrevious[i].sa_handler == SIG_IGN;
    if (ignored) continue;
    gHooked[i] = sigaction(kSignals[i], &action, nullptr) == 0;
  }
  gInstalled = true;
}

void ArmTerminalRestore() {
  assert(gInstalled);
  gArmed = 1;
}

void RemoveTerminalRestore() {
  if (!gInstalled) return;
  gArmed = 0;
  for (std::size_t i = 0; i < kSignals.size(); ++i)
    if (gHooked[i]) sigaction(kSignals[i], &gPrevious[i], nullptr);
  gInstalled = false;
}

void RestoreSavedTerminalModes() {
  if (gHaveSavedModes) tcsetattr(gInputFd, TCSANOW, &gSavedModes);
}

}  // namespace bdvx
