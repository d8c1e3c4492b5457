#include "console/console.h"

namespace bdvx {

std::string NumberText(int n) {
  return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

void Console::printNumber(int n) { print(NumberText(n)); }

}  // namespace bdvx
