// The bytes are the lines a chess program sends brandovex-uci. Every answer
// line is one the protocol knows, a named move reads as a coordinate move,
// and whatever came before, the engine still answers the next go with one
// move for the position it holds.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "rules/san.h"
#include "uci_engine.h"

using namespace bdvx;

namespace {

// Checks the engine's answer lines; returns how many bestmove lines it gave.
int CheckAnswer(const std::string& answer) {
  int moves = 0;
  std::istringstream lines(answer);
  for (std::string line; std::getline(lines, line);) {
    const bool known = line.rfind("id ", 0) == 0 || line.rfind("option ", 0) == 0 ||
                       line == "uciok" || line == "readyok" || line.rfind("info ", 0) == 0 ||
                       line.rfind("bestmove ", 0) == 0;
    FUZZ_REQUIRE(known, "an answer line the protocol does not know");
    if (line.rfind("bestmove ", 0) != 0) continue;
    ++moves;
    const std::string move = line.substr(9);
    CoordinateText text;
    FUZZ_REQUIRE(move == "0000" || ReadCoordinateMove(move, text), "a bestmove that is no move");
  }
  return moves;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  uci::Engine engine;
  for (std::string line; !engine.quitting() && std::getline(in, line);) {
    std::ostringstream out;
    engine.handle(line, out);
    CheckAnswer(out.str());
  }
  std::ostringstream out;
  engine.handle("stop", out);
  CheckAnswer(out.str());
  std::ostringstream last;
  engine.handle("go", last);
  FUZZ_REQUIRE(CheckAnswer(last.str()) == 1, "go without exactly one bestmove");
  return 0;
}
