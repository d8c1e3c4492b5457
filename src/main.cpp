// brandovex: chess for one player against the computer in an 80x24 terminal.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "console/terminal_console.h"
#include "core/game_state.h"
#include "game/game_start.h"
#include "game/turn_loop.h"

namespace {

constexpr const char* kUsage = "usage: brandovex [--help | --version | FILE.pgn | --fen FEN]\n";

constexpr const char* kHelp =
    "\n"
    "Chess for one player against the computer, in a terminal of 80 columns by\n"
    "24 rows with colours and the mouse. Run without arguments to play: click\n"
    "your colour, a level from 0 to 9, then a piece and its destination, or a\n"
    "word of the menu line. The game writes its record files (BDVXSNAP.TXT,\n"
    "BDVXHISTmm-dd-yyyy.TXT, BDVXHISTmm-dd-yyyy.PGN with every game of the day,\n"
    "BDVXSCORES.TXT) in the working directory.\n"
    "\n"
    "Moves may be typed too, ended by Enter: in algebraic notation (e4, Nf3,\n"
    "exd5, Nbd2, O-O, e8=Q), as squares (e2e4, e2-e4, e7e8q) or as the game\n"
    "writes them (WP 75 55, P 75 55).\n"
    "\n"
    "  FILE.pgn   go on with the last game of a PGN file, its moves replayed\n"
    "  --fen FEN  start from the position a FEN describes\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "The manual page brandovex(6) describes the screen, the mouse and the\n"
    "keyboard, the files and the voices.\n";

// Prints text on standard output. When it cannot go out (a full disk, a
// closed output), says so on standard error and answers status 1, so that no
// failure passes for an answer.
int PrintAnswer(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
  std::fprintf(stderr, "brandovex: cannot write to standard output: %s\n", std::strerror(errno));
  return 1;
}

// The status that means: play, the command line has no other answer.
constexpr int kPlay = -1;

// Answers the command line without touching the terminal: --help and
// --version print on standard output (status 0, or 1 when that fails); a
// game to go on from is read into start (kPlay), or refused with one line on
// standard error (status 2); anything else is a mistake that gets the usage
// on standard error (status 2).
int AnswerArguments(int argc, char** argv, bdvx::GameStart& start) {
  const std::string_view argument = argv[1];
  const bool help = argument == "--help";
  const bool version = argument == "--version";
  if (argc == 2 && help) return PrintAnswer(std::string(kUsage) + kHelp);
  if (argc == 2 && version) return PrintAnswer("brandovex " BRANDOVEX_VERSION "\n");
  const bool fen = argc == 3 && argument == "--fen";
  if (fen || (argc == 2 && !argument.starts_with('-'))) {
    std::string error;
    if (fen ? bdvx::ReadFenGameStart(argv[2], start, error)
            : bdvx::ReadPgnGameStart(argv[1], start, error)) {
      return kPlay;
    }
    std::fprintf(stderr, "brandovex: %s\n", error.c_str());
    return 2;
  }
  if (help || version || argc > 2)
    std::fputs("brandovex: too many arguments\n", stderr);
  else if (argument == "--fen")
    std::fputs("brandovex: --fen needs a FEN\n", stderr);
  else
    std::fprintf(stderr, "brandovex: unknown argument '%s'\n", argv[1]);
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // A game to go on from is read before the terminal is touched.
  const auto start = std::make_unique<bdvx::GameStart>();
  const bool resumed = argc > 1;
  if (resumed) {
    const int answer = AnswerArguments(argc, argv, *start);
    if (answer != kPlay) return answer;
  }
  // The one game record of the run; large enough to keep off the stack.
  auto game = std::make_unique<bdvx::GameState>();
  bdvx::InitProgramTables(*game);
  std::string problem;
  std::unique_ptr<bdvx::Console> console = bdvx::MakeTerminalConsole(problem);
  if (!console) {
    std::fprintf(stderr, "brandovex: %s\n", problem.c_str());
    return bdvx::kExitNoTerminal;
  }
  return bdvx::RunGame(*game, *console, resumed ? start.get() : nullptr);
}
