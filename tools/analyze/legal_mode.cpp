// The legal mode: every move of the side that the game would let its player
// make and would not cancel, found by running the game's own validation and
// execution on a scratch copy of the game for each try.
#include <string>

#include "core/game_state.h"
#include "core/piece_text.h"
#include "modes.h"
#include "rules/check.h"
#include "rules/move_execution.h"
#include "rules/move_outcome.h"

namespace bdvx::analyze {
namespace {

// The game as it stands when the player of position.side is to move.
GameState StartingState(const Position& position) {
  GameState g;
  InitProgramTables(g);
  g.GameBoard = position.board;
  g.ComputerSide = -position.side;
  g.PlayerLetter = std::string(1, position.side > 0 ? 'W' : 'B');
  g.LastMoverSide = -position.side;
  g.MovePiece = -position.side;
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

const char* OutcomeWord(const MoveOutcome& outcome) {
  if (outcome.kingCaptured) return "kingcapture";
  if (outcome.checkScore > kMateThreshold) return "mate";
  if (outcome.checkScore >= kDoubleCheck) return "double";
  if (outcome.checkScore >= kSingleCheck) return "check";
  return "ok";
}

// Says nothing and answers the promotion question with a queen.
class SilentReporter : public MoveReporter {
 public:
  void line(int, std::string_view) override {}
  void scrollMessages() override {}
  void cue(std::string_view, bool) override {}
  std::string typedLine(int) override { return "WQ"; }
};

// Tries one move on a fresh copy of the game; writes its line when the move
// is accepted and stands.
void TryMove(const GameState& start, int fromRow, int fromCol, int toRow, int toCol,
             std::ostream& out) {
  GameState g = start;
  SilentReporter reporter;
  g.MovePiece = g.GameBoard(fromRow, fromCol);
  PieceTextOfCode(g.MovePiece, g.Code2);
  g.TypedFromRow = fromRow;
  g.TypedFromCol = fromCol;
  g.TypedToRow = toRow;
  g.TypedToCol = toCol;
  if (MoveValidation(g, reporter) != Step::MoveExecution) return;
  const MoveOutcome outcome = ExecuteMove(g, reporter);
  // PlayerPrompt: refused or cancelled. EndGame without a king taken or a
  // mate would be a repetition draw, which a fresh history cannot reach.
  if (outcome.next == Step::PlayerPrompt) return;
  out << start.GameBoard(fromRow, fromCol) << ' ' << fromRow << ' ' << fromCol << ' ' << toRow
      << ' ' << toCol << ' ' << OutcomeWord(outcome) << '\n';
}

}  // namespace

void RunLegal(const Position& position, std::ostream& out) {
  const GameState start = StartingState(position);
  for (int fromRow = 1; fromRow <= 8; ++fromRow) {
    for (int fromCol = 1; fromCol <= 8; ++fromCol) {
      if (start.GameBoard(fromRow, fromCol) * position.side <= 0) continue;
      for (int toRow = 1; toRow <= 8; ++toRow) {
        for (int toCol = 1; toCol <= 8; ++toCol) {
          TryMove(start, fromRow, fromCol, toRow, toCol, out);
        }
      }
    }
  }
}

}  // namespace bdvx::analyze
