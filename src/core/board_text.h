// A board written as eight rows of sixteen characters, row 1 (Black's home
// row) first: "WP" ... "BK" for pieces, "::" or two blanks for empty squares.
// The analysis tool and the tests read positions in this form.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/board.h"

namespace bdvx {

// Fills board from the rows. Returns an empty text on success, else what is
// wrong and where ("row 3: ...").
std::string BoardFromRows(const std::array<std::string_view, 8>& rows, Board& board);

}  // namespace bdvx
