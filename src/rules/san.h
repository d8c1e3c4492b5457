// The game's moves in standard algebraic notation, the form other chess
// programs read: "Nbd7", "exd6", "e8=Q+", "O-O", "Qh7#". Pure: the rules
// are asked, nothing is shown.
#pragma once

#include <string>
#include <string_view>

#include "core/board.h"
#include "rules/legal_moves.h"

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

// A move as standard algebraic notation writes it, read for its form
// alone: what the text says, before it is matched to a position.
struct SanText {
  PieceCode kind = kPawn;    // the magnitude of the moving piece
  int fromRow = 0;           // rank or file the text names the mover by; 0 none
  int fromCol = 0;
  int toRow = 0;             // the destination (the king's, for castling)
  int toCol = 0;
  PieceCode promotion = 0;   // the piece a pawn becomes, 0 when not named
  int castleCol = 0;         // castling: the king's destination column, 7 or 3
};

// The text without its trailing check, mate and comment marks ("+", "#",
// "!", "?").
std::string_view WithoutMarks(std::string_view text);

// Reads "e4", "Nf3", "exd5", "Nbd2", "R1e2", "Qh4xe1", "e8=Q", "e8Q",
// "O-O", "0-0-0"; trailing "+", "#", "!" and "?" are ignored. Piece letters
// are upper case, files lower case. false when the text is not of that form.
bool ReadSan(std::string_view text, SanText& san);

// The name of a square as chess notation writes it: "e4".
std::string SquareName(int row, int col);

// A move by its squares, as coordinate notation writes it: "e2e4", and for a
// promotion the new piece's letter, "e7e8q".
std::string CoordinateMoveText(const MoveRecord& move, PieceCode promotedTo);

// A move by its squares: "e2e4", "e2-e4", "e7e8q" (promotion in either
// case). false when the text is not of that form.
struct CoordinateText {
  int fromRow = 0;
  int fromCol = 0;
  int toRow = 0;
  int toCol = 0;
  PieceCode promotion = 0;
};
bool ReadCoordinateMove(std::string_view text, CoordinateText& move);

// The legal moves of the side to move that the text names: the mover's
// kind, its destination, the file and rank it is named by, and the
// promotion. A promotion the text does not name matches once, as the
// queen's. Up to two are kept, enough to tell a move from an ambiguity.
struct SanMatches {
  int count = 0;
  std::array<LegalMove, 2> moves{};
};
SanMatches MatchSan(const SanText& san, const LegalMoves& legal);

}  // namespace bdvx
