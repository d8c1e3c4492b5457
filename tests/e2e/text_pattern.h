// Screen lines and file lines whose numbers vary from run to run, checked
// against a pattern: '#' stands for one digit, '%' for one or more digits,
// '?' for any one character; every other character stands for itself.
#pragma once

#include <string_view>

namespace bdvx::e2e {

bool FitsPattern(std::string_view text, std::string_view pattern);

// The whole number written right after the first marker in text; -1 when
// the marker is missing or no digit follows it.
int NumberAfter(std::string_view text, std::string_view marker);

}  // namespace bdvx::e2e
