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
#include <regex>
#include <sstream>
#include <thread>

#include "pane.h"

namespace bdvx::term {
namespace {

using Clock = std::chrono::steady_clock;

struct GameRun {
  int status = -1;  // the exit status; -1 when it did not end within the time
  std::string out;  // standard output (the pseudo-terminal's output, when on one)
  std::string err;
  double idleCpu = -1;  // processor seconds spent waiting at the colour prompt
};

// Runs the game with the arguments (words apart by blanks) on a pseudo-terminal of
// 80x24 with TERM=term, or with no terminal at all when term is "".
// hangUp: the hang-up signal is ignored, and once the colour prompt shows
// and a second has passed, the terminal's other side is closed.
GameRun RunGame(const std::string& arguments, const std::string& term, bool hangUp) {
  test::TempWorkDir dir;
  const std::string program = GameProgram().string();
  std::vector<std::string> words;
  std::stringstream in(arguments);
  for (std::string word; in >> word;) words.push_back(word);
  std::vector<char*> argv{const_cast<char*>("brandovex")};
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  int terminal = -1;
  winsize size{24, 80, 0, 0};
  const pid_t pid = term.empty() ? fork() : forkpty(&terminal, nullptr, nullptr, &size);
  if (pid == 0) {
    if (term.empty()) {
      dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
      dup2(open("out.txt", O_WRONLY | O_CREAT, 0600), STDOUT_FILENO);
    }
    dup2(open("err.txt", O_WRONLY | O_CREAT, 0600), STDERR_FILENO);
    if (hangUp) signal(SIGHUP, SIG_IGN);
    setenv("TERM", term.c_str(), 1);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  GameRun run;
  const auto readFor = [&](double seconds, const std::function<bool()>& done) {
    const auto giveUp = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (!done() && Clock::now() < giveUp) {
      pollfd poller{terminal, POLLIN, 0};
      char bytes[4096];
      ssize_t count = 0;
      if (terminal < 0 || poll(&poller, 1, 20) <= 0 || (count = read(terminal, bytes, sizeof bytes)) <= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      else
        run.out.append(bytes, static_cast<std::size_t>(count));
    }
  };
  int status = 0;
  const auto ended = [&] { return waitpid(pid, &status, WNOHANG) == pid; };
  if (hangUp) {
    readFor(kWaitSeconds, [&] { return run.out.find("<-- Pick your color") != std::string::npos; });
    const double cpu = CpuSeconds(pid);
    readFor(1.5, [] { return false; });  // the game waits for the pick meanwhile
    run.idleCpu = CpuSeconds(pid) - cpu;
    close(terminal);
    terminal = -1;
  }
  readFor(5, ended);
  if (terminal >= 0) close(terminal);
  if (WIFEXITED(status) || WIFSIGNALED(status)) {
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  } else {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  if (term.empty()) run.out = test::ReadFile("out.txt");
  run.err = test::ReadFile("err.txt");
  return run;
}

TEST(Process, ArgumentsRefusedTerminalsAndAVanishingTerminal) {
  const std::string usage = "usage: brandovex [--help | --version]\n";
  const std::string advice =
      "; run it with TERM set to a type that can place the cursor and show colours, e.g. "
      "TERM=xterm-256color\n";
  const struct {
    std::string argument, term;
    bool hangUp;
    int status;
    std::string out;  // a pattern of standard output
    std::string err;
  } cases[] = {
      {"--help", "", false, 0,
       "usage: brandovex \\[--help \\| --version\\]\n\nChess for one player[\\s\\S]*brandovex\\(6\\)[\\s\\S]*", ""},
      {"--version", "", false, 0, "brandovex [0-9]+\\.[0-9]+\\.[0-9]+\n", ""},
      {"--colour", "", false, 2, "", "brandovex: unknown argument '--colour'\n" + usage},
      {"--help --version", "", false, 2, "", "brandovex: too many arguments\n" + usage},
      {"", "", false, 1, "", "brandovex: needs a terminal (run it in a terminal window)\n"},
      {"", "dumb", false, 1, "",
       "brandovex: the terminal type \"dumb\" cannot place the cursor or show colours" + advice},
      {"", "vt100", false, 1, "", "brandovex: the terminal type \"vt100\" cannot show colours" + advice},
      {"", "no-such-terminal", false, 1, "",
       "brandovex: the terminal type \"no-such-terminal\" is unknown" + advice},
      // The terminal closes while the game waits for a click and the hang-up
      // signal cannot end it: the game notices and ends by itself.
      {"", "xterm-256color", true, 1, "[\\s\\S]*<-- Pick your color[\\s\\S]*", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument + " TERM=" + c.term);
    const GameRun run = RunGame(c.argument, c.term, c.hangUp);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(std::regex_match(run.out, std::regex(c.out))) << run.out;
    EXPECT_EQ(run.err, c.err);
    // Waiting for the player costs next to no processor time.
    if (c.hangUp) EXPECT_LT(run.idleCpu, 0.3);
  }
}

}  // namespace
}  // namespace bdvx::term
