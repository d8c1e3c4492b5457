// brandovex-analyze: reads one position on standard input and prints what
// the rules (mode legal; perft and divide count their move tree) or the
// computer player (mode analyze) make of it. Malformed input: one line on
// standard error and exit status 2; the fast move generator disagreeing
// with the game's judgement (mode legal): one line and exit status 3.
#include <iostream>

#include "input.h"
#include "modes.h"

int main() {
  bdvx::analyze::Position position;
  std::string error;
  if (!bdvx::analyze::ReadPosition(std::cin, position, error)) {
    std::cerr << "brandovex-analyze: " << error << '\n';
    return 2;
  }
  if (position.mode == "legal") {
    if (!bdvx::analyze::RunLegal(position, std::cout, error)) {
      std::cerr << "brandovex-analyze: " << error << '\n';
      return 3;
    }
  } else if (position.mode == "perft" || position.mode == "divide") {
    bdvx::analyze::RunPerft(position, std::cout);
  } else {
    bdvx::analyze::RunAnalyze(position, std::cout);
  }
  return 0;
}
