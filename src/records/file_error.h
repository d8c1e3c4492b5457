// Telling the player that a record file could not be written or read.
#pragma once

#include <string>

#include "console/console.h"

namespace bdvx {

// Width a record message is padded to, so that it clears an older, longer
// message on the same row without running into the next row.
constexpr int kRecordMessageWidth = kScreenCols - 1;

// One line at (row, 1): text padded with blanks to kRecordMessageWidth.
void ShowRecordMessage(Console& con, int row, const std::string& text);

// One line at (row, 1): "  Cannot write <fileName>" padded with blanks.
void ShowWriteFailure(Console& con, int row, const std::string& fileName);

}  // namespace bdvx
