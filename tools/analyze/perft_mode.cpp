// The perft and divide modes: the leaves of the legal-move tree, counted by
// the fast move generator, which follows the game's judgement of a player's
// move; divide gives the count under each first move, named by its squares
// as chess programs name them ("e2e4", "e7e8q").
#include <memory>
#include <string>

#include "core/game_state.h"
#include "modes.h"
#include "rules/legal_moves.h"
#include "rules/san.h"

namespace bdvx::analyze {
namespace {

std::string MoveName(const FastMove& move) {
  const MoveRecord squares{0, RowOfSquare(move.from), ColOfSquare(move.from), RowOfSquare(move.to),
                           ColOfSquare(move.to)};
  return CoordinateMoveText(squares, move.promotion);
}

}  // namespace

void RunPerft(const Position& position, std::ostream& out) {
  const CastlingRights rights{position.blackQueenSideOK, position.whiteQueenSideOK,
                              position.blackKingSideOK, position.whiteKingSideOK};
  RulesBoard board(position.board, position.side, rights, position.pawnJump,
                   CheckStands(position.checkState));
  if (position.mode == "perft") {
    out << "perft " << position.depth << ' ' << Perft(board, position.depth) << '\n';
    return;
  }
  FastMoveList moves;
  board.listMoves(moves);
  SortInListingOrder(moves);
  std::uint64_t leaves = 0;
  for (int i = 0; i < moves.count; ++i) {
    const FastMove& move = moves.moves[static_cast<std::size_t>(i)];
    const RulesBoard::Undo undo = board.make(move);
    const std::uint64_t under = Perft(board, position.depth - 1);
    board.takeBack(move, undo);
    out << MoveName(move) << ' ' << under << '\n';
    leaves += under;
  }
  out << "perft " << position.depth << ' ' << leaves << '\n';
}

}  // namespace bdvx::analyze
