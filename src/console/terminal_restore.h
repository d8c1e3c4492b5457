// Gives the terminal back sane on every way out. Once armed, SIGINT, SIGTERM,
// SIGHUP, SIGQUIT and the fatal signals (SIGSEGV, SIGABRT, SIGBUS, SIGFPE,
// SIGILL) first switch mouse reporting off, show the cursor, reset the colours,
// leave the alternate screen and put back the terminal modes saved at the
// start; then the signal takes its course (the handler that was there before,
// or the default action, so the exit status still names the signal). The
// handler only writes fixed bytes and calls tcsetattr: it never draws.
#pragma once

namespace bdvx {

// Saves the terminal modes of inputFd and installs the handlers. Call it
// before the terminal library starts, so that the library leaves these
// signals alone; the handlers restore nothing until ArmTerminalRestore.
void InstallTerminalRestore(int inputFd, int outputFd);

// From now on a signal restores the terminal (the screen has been taken over).
void ArmTerminalRestore();

// Puts the earlier handlers back and restores nothing more (normal end, before
// the terminal library gives the terminal back itself).
void RemoveTerminalRestore();

// Puts back the terminal modes saved by InstallTerminalRestore (no output).
void RestoreSavedTerminalModes();

}  // namespace bdvx
