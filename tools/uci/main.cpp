// brandovex-uci: the game's computer player as a UCI engine, on standard
// input and output, for chess programs and match referees.
#include <iostream>
#include <string>

#include "uci_engine.h"

int main() {
  std::ios::sync_with_stdio(false);
  bdvx::uci::Engine engine;
  std::string line;
  while (!engine.quitting() && std::getline(std::cin, line)) {
    engine.handle(line, std::cout);
    std::cout.flush();
  }
  return 0;
}
