#include "console/console.h"

#include "core/number_text.h"

namespace bdvx {

void Console::printNumber(int n) { print(NumberText(n)); }

}  // namespace bdvx
