// Named test positions of tests/data/engine_positions.txt.
#pragma once

#include <string>

#include "core/board.h"

namespace bdvx::test {

// The position called name; fails the test when it is missing or malformed.
Board NamedPosition(const std::string& name);

}  // namespace bdvx::test
