// The bytes are the standard input of the analysis tool: eight board rows (or
// a fen line) and setting lines. What the reader accepts is run through the
// tool's mode: the rules' legal-move listing, which must find the fast move
// generator in agreement, the move-tree count (two half-moves deep at most,
// for speed) or the computer player's analysis.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "input.h"
#include "modes.h"

using namespace bdvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  analyze::Position position;
  std::string error;
  if (!analyze::ReadPosition(in, position, error)) {
    FUZZ_REQUIRE(!error.empty(), "a refused position gave no reason");
    return 0;
  }
  FUZZ_REQUIRE(position.side == kWhite || position.side == kBlack, "a position without a side");
  std::ostringstream out;
  if (position.mode == "legal") {
    std::string disagreement;
    FUZZ_REQUIRE(analyze::RunLegal(position, out, disagreement), disagreement);
  } else if (position.mode == "perft" || position.mode == "divide") {
    if (position.depth <= 2) analyze::RunPerft(position, out);
  } else {
    analyze::RunAnalyze(position, out);
  }
  return 0;
}
