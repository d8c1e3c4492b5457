// Appending a taken piece to a capture list.
#pragma once

#include <string>

#include "core/board.h"

namespace bdvx {

// Puts text in the next slot and counts it. A full list (15 slots, possible
// only on a custom board with extra pieces) keeps its 15 entries and count.
void AppendCapture(CaptureList& list, int& count, const std::string& text);

}  // namespace bdvx
