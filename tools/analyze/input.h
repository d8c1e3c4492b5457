// Reading the position that brandovex-analyze works on, in this form:
//
//   lines 1-8  board rows 1 (Black's home row) to 8, exactly 16 characters
//              each: "WP" ... "BK", "::" or two blanks for an empty square.
//              Trailing blanks count; a CR before the line end is dropped.
//   or line 1  fen <FEN>: the position as one FEN line, in place of the
//              board rows and of the side, castle, rights, pawnjump, check1
//              and check2 lines (which are then refused). It gives the side
//              to move, the castling rights (and the mover's castle flags,
//              none while it is in check), PawnJump from the en-passant
//              square, CheckState from the board, and MoveNumber as the
//              game counts it with the side to move as the computer.
//   then       setting lines "key values...", in any order, blank lines
//              skipped; a later line of the same key wins:
//     mode analyze|legal          what to print (analyze)
//     mode perft N | divide N     the leaves of the legal-move tree N
//                                 half-moves deep (perft 0 to 15, divide 1
//                                 to 15), for a position a game can reach
//     side W|B                    the side that moves (required)
//     castle Q K                  analyze: the mover's castle flags, 0 or 1
//     rights BQ WQ BK WK          legal, perft, divide: the castling rights
//     move N                      MoveNumber (1)
//     hintlimit N                 HintLimit (9999)
//     pawnjump CODE ROW COL       PawnJump (0 0 0)
//     check1 CODE R C KR KC       row 1 of CheckState (all 0)
//     check2 CODE R C KR KC       row 2 of CheckState (all 0)
//
// Perft counts every legal move as the game judges a player's move (all four
// promotions, castling by the rights and the checks in force, en passant),
// both sides in turn; the game's endings play no part. It prints
// "perft N LEAVES"; divide first prints "MOVE LEAVES" for each first move in
// the listing order of mode legal, the move by its squares as chess
// programs write it ("e2e4", "e7e8q").
#pragma once

#include <istream>
#include <string>

#include "modes.h"

namespace bdvx::analyze {

// Fills position from the input. On malformed input returns false and
// error names the line and the problem ("line 9: unknown setting \"foo\"").
bool ReadPosition(std::istream& in, Position& position, std::string& error);

}  // namespace bdvx::analyze
