// The legal mode: every move of the side that the game would let its player
// make and would not cancel, found by running the game's own validation and
// execution on a scratch copy of the game for each try; and the proof that
// the fast move generator finds the same moves with the same outcomes.
#include <memory>
#include <string>

#include "core/game_state.h"
#include "modes.h"
#include "rules/check.h"
#include "rules/legal_moves.h"

namespace bdvx::analyze {
namespace {

// The position's rules memories on a game; the listings make the side to
// move its player.
GameState StartingState(const Position& position) {
  GameState g;
  InitProgramTables(g);
  g.GameBoard = position.board;
  g.BlackQueenSideOK = position.blackQueenSideOK;
  g.WhiteQueenSideOK = position.whiteQueenSideOK;
  g.BlackKingSideOK = position.blackKingSideOK;
  g.WhiteKingSideOK = position.whiteKingSideOK;
  g.MoveNumber = position.moveNumber;
  g.HintLimit = position.hintLimit;
  g.PawnJump = position.pawnJump;
  g.CheckState = position.checkState;
  return g;
}

const char* OutcomeWord(const LegalMove& legal) {
  if (legal.kingCaptured) return "kingcapture";
  if (legal.checkScore > kMateThreshold) return "mate";
  if (legal.checkScore >= kDoubleCheck) return "double";
  if (legal.checkScore >= kSingleCheck) return "check";
  return "ok";
}

// "PIECE FR FC TR TC OUTCOME", with "=P" for a promotion's piece when asked.
std::string MoveLine(const LegalMove& legal, bool withPromotion) {
  const MoveRecord& m = legal.move;
  std::string line = std::to_string(m.piece) + ' ' + std::to_string(m.fromRow) + ' ' +
                     std::to_string(m.fromCol) + ' ' + std::to_string(m.toRow) + ' ' +
                     std::to_string(m.toCol);
  if (withPromotion && legal.promotedTo != 0) line += " =" + std::to_string(legal.promotedTo);
  return line + ' ' + OutcomeWord(legal);
}

}  // namespace

bool RunLegal(const Position& position, std::ostream& out, std::string& disagreement) {
  const auto g = std::make_unique<GameState>(StartingState(position));
  const LegalMoves tried = ListLegalMovesByTrial(*g, position.side);
  // A promotion is shown once, as the queen's.
  for (const LegalMove& legal : tried) {
    if (legal.promotedTo == 0 || legal.promotedTo == kQueen) out << MoveLine(legal, false) << '\n';
  }
  const LegalMoves fast = ListLegalMoves(*g, position.side);
  for (int i = 0; i < tried.count || i < fast.count; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    if (i < tried.count && i < fast.count && tried.moves[at] == fast.moves[at]) continue;
    disagreement = "the fast move generator disagrees with the game: the game finds " +
                   (i < tried.count ? MoveLine(tried.moves[at], true) : "no more moves") +
                   ", the generator " +
                   (i < fast.count ? MoveLine(fast.moves[at], true) : "no more moves");
    return false;
  }
  return true;
}

}  // namespace bdvx::analyze
