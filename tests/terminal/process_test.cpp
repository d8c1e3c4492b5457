// The game as a process, without a tmux session: its command line, the
// terminals it refuses, and a terminal that goes away under it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "pane.h"

namespace bdvx::term {
namespace {

using Clock = std::chrono::steady_clock;

// Whether text fits the pattern, in which '*' stands for any characters.
bool Fits(const std::string& text, const std::string& pattern) {
  std::size_t t = 0, p = 0, star = std::string::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p, ++t;
    } else if (star != std::string::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

struct GameRun {
  int status = -1;  // -1 when the game did not end within the time
  std::string out;  // standard output, the pseudo-terminal's output when on one
  std::string err;
  double idleCpu = -1;  // processor seconds spent waiting at the colour prompt
  bool wroteRecords = false;  // a record file (BDVX...) was left behind
};

// Runs the game with the arguments on a pseudo-terminal of 80x24 with
// TERM=term, or on no terminal at all when term is "". hangUp: the hang-up
// signal is ignored, and once the colour prompt has shown for a while, the
// terminal's other side is closed. Off a terminal, standard output goes to
// the file output, or is closed when output is "".
GameRun RunGame(std::vector<std::string> arguments, const std::string& term, bool hangUp,
                const std::string& output = "out.txt") {
  test::TempWorkDir dir;
  std::string program = GameProgram().string();
  std::vector<char*> argv{program.data()};
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int terminal = -1;
  winsize size{24, 80, 0, 0};
  const pid_t pid = term.empty() ? fork() : forkpty(&terminal, nullptr, nullptr, &size);
  if (pid == 0) {
    if (term.empty()) {
      dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
      dup2(open(output.empty() ? "/dev/null" : output.c_str(), O_WRONLY | O_CREAT, 0600),
           STDOUT_FILENO);
    }
    dup2(open("err.txt", O_WRONLY | O_CREAT, 0600), STDERR_FILENO);
    if (term.empty() && output.empty()) close(STDOUT_FILENO);
    if (hangUp) signal(SIGHUP, SIG_IGN);
    setenv("TERM", term.c_str(), 1);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  GameRun run;
  // Takes what the game writes until done holds or the seconds have passed.
  const auto readUntil = [&](double seconds, const std::function<bool()>& done) {
    const auto giveUp = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    char bytes[4096];
    while (!done() && Clock::now() < giveUp) {
      pollfd poller{terminal, POLLIN, 0};
      const ssize_t count = poll(&poller, 1, 20) > 0 ? read(terminal, bytes, sizeof bytes) : 0;
      if (count > 0) run.out.append(bytes, static_cast<std::size_t>(count));
      if (count <= 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  };
  if (hangUp) {
    readUntil(kWaitSeconds, [&] { return run.out.find("<-- Pick your color") != std::string::npos; });
    const double cpu = CpuSeconds(pid);
    readUntil(1.5, [] { return false; });  // the game waits for the pick meanwhile
    run.idleCpu = CpuSeconds(pid) - cpu;
    close(terminal);
    terminal = -1;
  }
  int status = 0;
  bool ended = false;
  readUntil(5, [&] { return ended = waitpid(pid, &status, WNOHANG) == pid; });
  if (ended) {
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  } else {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  if (terminal >= 0) close(terminal);
  if (term.empty()) run.out = test::ReadFile("out.txt");
  run.err = test::ReadFile("err.txt");
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    if (entry.path().filename().string().starts_with("BDVX")) run.wroteRecords = true;
  }
  return run;
}

TEST(Process, ArgumentsRefusedTerminalsAndAVanishingTerminal) {
  const std::string usage = "usage: brandovex [--help | --version | FILE.pgn | --fen FEN]\n";
  const std::string advice =
      "; run it with TERM set to a type that can place the cursor and show colours, e.g. "
      "TERM=xterm-256color\n";
  const struct {
    std::vector<std::string> arguments;
    std::string term;
    bool hangUp;
    int status;
    std::string out;  // standard output, '*' for any characters
    std::string err;
  } cases[] = {
      {{"--help"}, "", false, 0,
       usage + "\nChess for one player*The manual page brandovex(6)*", ""},
      {{"--version"}, "", false, 0, "brandovex *.*.*\n", ""},
      {{"--colour"}, "", false, 2, "", "brandovex: unknown argument '--colour'\n" + usage},
      {{"--help", "--version"}, "", false, 2, "", "brandovex: too many arguments\n" + usage},
      // A game to go on from is refused on a terminal left untouched.
      {{"no-such.pgn"}, "xterm-256color", false, 2, "",
       "brandovex: no-such.pgn: cannot be read (No such file or directory)\n"},
      {{"--fen", "8/8/8/8/8/8/8/8 w - -"}, "xterm-256color", false, 2, "",
       "brandovex: --fen: White has 0 kings, not 1\n"},
      {{"--fen"}, "", false, 2, "", "brandovex: --fen needs a FEN\n" + usage},
      {{}, "", false, 1, "", "brandovex: needs a terminal (run it in a terminal window)\n"},
      {{}, "dumb", false, 1, "",
       "brandovex: the terminal type \"dumb\" cannot place the cursor or show colours" + advice},
      {{}, "vt100", false, 1, "", "brandovex: the terminal type \"vt100\" cannot show colours" + advice},
      {{}, "no-such-terminal", false, 1, "",
       "brandovex: the terminal type \"no-such-terminal\" is unknown" + advice},
      // The terminal closes while the game waits for a click and the hang-up
      // signal cannot end it: the game notices and ends by itself.
      {{}, "xterm-256color", true, 1, "*<-- Pick your color*", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments) + " TERM=" + c.term);
    const GameRun run = RunGame(c.arguments, c.term, c.hangUp);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(Fits(run.out, c.out)) << run.out;
    EXPECT_EQ(run.err, c.err);
    if (c.status == 2) {
      EXPECT_FALSE(run.wroteRecords);
    }
    // Waiting for the player costs next to no processor time.
    if (c.hangUp) {
      EXPECT_LT(run.idleCpu, 0.3);
    }
  }
  // An answer that cannot be written is a failure, told on standard error.
  for (const std::string output : {"/dev/full", ""}) {
    for (const char* argument : {"--help", "--version"}) {
      const GameRun run = RunGame({argument}, "", false, output);
      EXPECT_EQ(run.status, 1) << argument << " into " << output;
      EXPECT_TRUE(Fits(run.err, "brandovex: cannot write to standard output: *\n")) << run.err;
    }
  }
}

}  // namespace
}  // namespace bdvx::term
