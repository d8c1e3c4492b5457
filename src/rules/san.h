// The game's moves in standard algebraic notation, the form other chess
// programs read: "Nbd7", "exd6", "e8=Q+", "O-O", "Qh7#". Pure: the rules
// are asked, nothing is shown.
#pragma once

#include <string>

#include "core/board.h"

namespace bdvx {

// The move about to be made on board, the position before it, without its
// check mark. move.piece is the piece that moves (a pawn, for a promotion);
// ruleResult is the move's MoveRuleResult (4 castling, 2 promotion), and
// promotedTo the piece a promoting pawn becomes. The squares are named as
// from White's side: column 1 is file a, row 8 rank 1. The other pieces of
// the mover's kind are named apart from the mover (by file, then rank, then
// both) only when one of them could legally go to the same square.
std::string SanOfMove(const Board& board, const MoveRecord& move, int ruleResult,
                      PieceCode promotedTo);

// The mark of the check a move gives: "#" for checkmate, "+" for a single or
// double check, "" for none; checkScore as AfterMoveCheck gives it.
std::string SanCheckMark(int checkScore);

}  // namespace bdvx
