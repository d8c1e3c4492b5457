#include "core/number_text.h"

namespace bdvx {

std::string NumberText(int n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

}  // namespace bdvx
