// Reading the position that brandovex-analyze works on, in this form:
//
//   lines 1-8  board rows 1 (Black's home row) to 8, exactly 16 characters
//              each: "WP" ... "BK", "::" or two blanks for an empty square.
//              Trailing blanks count; a CR before the line end is dropped.
//   then       setting lines "key values...", in any order, blank lines
//              skipped; a later line of the same key wins:
//     mode analyze|legal          what to print (analyze)
//     side W|B                    the side that moves (required)
//     castle Q K                  analyze: the mover's castle flags, 0 or 1
//     rights BQ WQ BK WK          legal: the four castling rights, 0 or 1
//     move N                      MoveNumber (1)
//     hintlimit N                 HintLimit (9999)
//     pawnjump CODE ROW COL       PawnJump (0 0 0)
//     check1 CODE R C KR KC       row 1 of CheckState (all 0)
//     check2 CODE R C KR KC       row 2 of CheckState (all 0)
#pragma once

#include <istream>
#include <string>

#include "modes.h"

namespace bdvx::analyze {

// Fills position from the input. On malformed input returns false and
// error names the line and the problem ("line 9: unknown setting \"foo\"").
bool ReadPosition(std::istream& in, Position& position, std::string& error);

}  // namespace bdvx::analyze
