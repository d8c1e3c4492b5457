// The real terminal around the game: Ctrl-C at the prompt and at a pause
// gives the terminal back as it was, a window too small asks for room and
// takes no clicks, waiting for the player costs next to no processor, a
// terminal that cannot show the game is refused and one that goes away ends
// the game.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "game_steps.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

// Ctrl-C ends the game as the signal does (status 128 + 2) and leaves the
// modes, the cursor and the mouse of the terminal as they were.
void ExpectStoppedCleanly(GamePane& pane) {
  pane.ctrlC();
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "130");
  EXPECT_EQ(pane.modesBefore(), pane.modesAfter());
  EXPECT_EQ(pane.flags(), "alt=0 cursor=1 mouse=0 sgr=0\n");
}

using Clock = std::chrono::steady_clock;

Clock::time_point Deadline(double seconds) {
  return Clock::now() +
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

// The game on a pseudo-terminal of 80x24 of its own, with TERM set to term
// and the hang-up signal ignored (as under nohup or setsid). The test reads
// what the game writes; closing the terminal's other side hangs it up.
class PtyGame {
 public:
  explicit PtyGame(const std::string& term) {
    const std::string program = GameProgram().string();
    winsize size{24, 80, 0, 0};
    pid_ = forkpty(&terminal_, nullptr, nullptr, &size);
    if (pid_ == 0) {
      signal(SIGHUP, SIG_IGN);
      setenv("TERM", term.c_str(), 1);
      execl(program.c_str(), "brandovex", static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~PtyGame() {
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    hangUp();
  }
  PtyGame(const PtyGame&) = delete;
  PtyGame& operator=(const PtyGame&) = delete;

  // Reads the game's output until it holds text or the seconds have passed.
  bool readUntil(const std::string& text, double seconds) {
    const Clock::time_point giveUp = Deadline(seconds);
    while (output_.find(text) == std::string::npos && Clock::now() < giveUp) drain(50);
    return output_.find(text) != std::string::npos;
  }
  void hangUp() {
    if (terminal_ >= 0) close(terminal_);
    terminal_ = -1;
  }
  // The game's exit status once it has ended by itself within the seconds;
  // -1 when it has not (it is then killed by the destructor).
  int exitStatus(double seconds) {
    const Clock::time_point giveUp = Deadline(seconds);
    int status = 0;
    while (pid_ > 0 && Clock::now() < giveUp) {
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        while (drain(50)) {
        }
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        break;
      }
      drain(20);
    }
    return status_;
  }
  const std::string& output() const { return output_; }

 private:
  // Takes what the game has written, waiting up to waitMs for it; false
  // when nothing came.
  bool drain(int waitMs) {
    if (terminal_ < 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
      return false;
    }
    pollfd poller{terminal_, POLLIN, 0};
    if (poll(&poller, 1, waitMs) <= 0) return false;
    char bytes[4096];
    const ssize_t count = read(terminal_, bytes, sizeof bytes);
    if (count <= 0) return false;
    output_.append(bytes, static_cast<std::size_t>(count));
    return true;
  }

  int terminal_ = -1;
  pid_t pid_ = -1;
  int status_ = -1;
  std::string output_;
};

TEST(E2eTerminal, TerminalThatCannotShowTheGameIsRefusedInOneLine) {
  const std::string advice =
      "; run it with TERM set to a type that can place the cursor and show colours, e.g. "
      "TERM=xterm-256color\r\n";
  const struct {
    std::string term;
    std::string said;
  } cases[] = {
      {"dumb", "the terminal type \"dumb\" cannot place the cursor or show colours"},
      {"vt100", "the terminal type \"vt100\" cannot show colours"},
      {"no-such-terminal", "the terminal type \"no-such-terminal\" is unknown"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    test::TempWorkDir dir;
    PtyGame game(c.term);
    EXPECT_EQ(game.exitStatus(5.0), 1);
    EXPECT_EQ(game.output(), "brandovex: " + c.said + advice);
  }
}

// The terminal closes while the game waits for a click, and the hang-up
// signal cannot end it: the game sees the end of its input and ends itself.
TEST(E2eTerminal, TerminalGoneWhileTheHangUpIsIgnoredEndsTheGame) {
  test::TempWorkDir dir;
  PtyGame game("xterm-256color");
  ASSERT_TRUE(game.readUntil("<-- Pick", kWaitSeconds)) << game.output();
  std::this_thread::sleep_for(std::chrono::seconds(1));  // past the pick's pause
  game.hangUp();
  EXPECT_EQ(game.exitStatus(5.0), 1);
}

TEST(E2eTerminal, CtrlCAtThePromptRestoresTheTerminal) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("ctrlc-prompt");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  EXPECT_EQ(pane.flags(), "alt=1 cursor=1 mouse=1 sgr=1\n");
  ExpectStoppedCleanly(pane);
}

TEST(E2eTerminal, CtrlCAtTheTapEnterPauseRestoresTheTerminal) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("ctrlc-pause");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.clickReady(1, 60)) << pane.last();
  ASSERT_TRUE(pane.waitFor("Tap Enter")) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  ExpectStoppedCleanly(pane);
}

TEST(E2eTerminal, SmallWindowAsksForRoomAndTakesNoClicks) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("small", 70, 20);
  ASSERT_TRUE(pane.waitFor("enlarge")) << pane.last();
  EXPECT_TRUE(pane.screen().has("70 x 20")) << pane.last();
  pane.resize(80, 24);
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();

  // Too small at the prompt: RESIGN and a piece are clicked in vain.
  pane.resize(70, 20);
  ASSERT_TRUE(pane.waitFor("enlarge")) << pane.last();
  pane.click(1, 37);
  pane.click(16, 27);
  ASSERT_TRUE(pane.waitInputTaken()) << pane.last();
  pane.resize(80, 24);
  ASSERT_TRUE(pane.waitRowStarts(21, "  Click Piece and then Destination")) << pane.last();
  PaneScreen screen = pane.screen();
  EXPECT_EQ(screen.row(1), "NEW LOAD SAVE CREATE HELP DISPLAY RESIGN USCF VOICE ABOUT EXIT");
  EXPECT_EQ(screen.row(16), "          7:  WP WP WP WP WP WP WP WP : 7");
  EXPECT_EQ(screen.row(20), FirstStatusLine(1, 0));
  EXPECT_EQ(screen.row(22), "");
  EXPECT_FALSE(screen.has("THANK-YOU"));

  // Back at full size the same click chooses the pawn.
  ASSERT_TRUE(pane.clickReady(16, 27)) << pane.last();
  ASSERT_TRUE(pane.waitRow(22, "  WP 75")) << pane.last();
  ExpectStoppedCleanly(pane);
}

// Keys typed while the window is too small wait for room: EXIT and the
// Enter of its pause take effect only once the game can be seen again.
TEST(E2eTerminal, KeysTypedWhileTheWindowIsTooSmallWaitForRoom) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("small-keys");
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  pane.resize(70, 20);
  ASSERT_TRUE(pane.waitFor("enlarge")) << pane.last();
  pane.typeLine("ex");
  pane.typeLine("");
  ASSERT_TRUE(pane.waitInputTaken()) << pane.last();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_NE(pane.gamePid(), 0);
  EXPECT_FALSE(pane.screen().has("FINISHED"));
  pane.resize(80, 24);
  ASSERT_TRUE(pane.waitFinished()) << pane.last();
  EXPECT_EQ(pane.exitStatus(), "0");
}

// Under tmux's own TERM the mouse comes in the legacy form; the picks are
// clicked in it. Then the game waits for the player.
TEST(E2eTerminal, LegacyMouseFormAndWaitingCostsNoProcessorTime) {
  if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  GamePane pane("idle", 80, 24, MouseReports::Legacy);
  ASSERT_TRUE(ClickSideAndLevel(pane, 'W', 0)) << pane.last();
  ASSERT_TRUE(pane.waitReady()) << pane.last();
  EXPECT_EQ(pane.flags(), "alt=1 cursor=1 mouse=1 sgr=0\n");
  const int pid = pane.gamePid();
  ASSERT_GT(pid, 0);
  const double before = CpuSeconds(pid);
  std::this_thread::sleep_for(std::chrono::seconds(5));
  EXPECT_LT(CpuSeconds(pid) - before, 0.5);
  // Still waiting, and still answering.
  ASSERT_TRUE(pane.clickReady(16, 27)) << pane.last();
  EXPECT_TRUE(pane.waitRow(22, "  WP 75")) << pane.last();
  EXPECT_EQ(pane.gamePid(), pid);
}

}  // namespace
}  // namespace bdvx::e2e
