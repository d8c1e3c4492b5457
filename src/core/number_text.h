// The number form of the screen and of the record files: one leading blank
// when the number is 0 or more, a minus sign otherwise (" 7", "-3").
#pragma once

#include <string>

namespace bdvx {

std::string NumberText(int n);

}  // namespace bdvx
