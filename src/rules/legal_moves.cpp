#include "rules/legal_moves.h"

#include <string>

#include "core/piece_text.h"
#include "rules/move_execution.h"
#include "rules/move_outcome.h"

namespace bdvx {
namespace {

constexpr std::array<PieceCode, 4> kPromotions = {kQueen, kRook, kBishop, kKnight};

// The game with side as the player to move and no history to copy.
GameState TrialGame(const GameState& g, int side) {
  GameState t;
  InitProgramTables(t);
  t.GameBoard = g.GameBoard;
  t.ComputerSide = -side;
  t.PlayerLetter = side > 0 ? "W" : "B";
  t.LastMoverSide = -side;
  t.BlackQueenSideOK = g.BlackQueenSideOK;
  t.WhiteQueenSideOK = g.WhiteQueenSideOK;
  t.BlackKingSideOK = g.BlackKingSideOK;
  t.WhiteKingSideOK = g.WhiteKingSideOK;
  t.CheckState = g.CheckState;
  t.PawnJump = g.PawnJump;
  t.MoveNumber = g.MoveNumber;
  t.HintLimit = g.HintLimit;
  return t;
}

// The move as the player's entry: its piece, the piece's text and the
// typed squares.
void EnterMove(GameState& g, const MoveRecord& move) {
  g.MovePiece = move.piece;
  PieceTextOfCode(g.MovePiece, g.Code2);
  g.TypedFromRow = move.fromRow;
  g.TypedFromCol = move.fromCol;
  g.TypedToRow = move.toRow;
  g.TypedToCol = move.toCol;
}

// Whether the move validation accepts the move, judged on probe, a copy of
// start that is used again: a refusal changes only CapturedPiece and
// CaptureFlag, which are put back; an acceptance gets a fresh copy. Most
// tries end here, without the cost of copying the game.
bool Validates(GameState& probe, const GameState& start, const MoveRecord& move) {
  SilentReporter reporter(kQueen);
  EnterMove(probe, move);
  const bool accepted = MoveValidation(probe, reporter) == Step::MoveExecution;
  probe.CapturedPiece = start.CapturedPiece;
  probe.CaptureFlag = start.CaptureFlag;
  if (accepted) probe = start;
  return accepted;
}

// Tries the move with one answer to the promotion question; false when the
// game refuses or cancels it.
bool TryMove(const GameState& start, const MoveRecord& move, PieceCode promotion,
             LegalMove& legal, bool& promotes) {
  GameState g = start;
  SilentReporter reporter(promotion);
  EnterMove(g, move);
  if (MoveValidation(g, reporter) != Step::MoveExecution) return false;
  const MoveOutcome outcome = ExecuteMove(g, reporter);
  promotes = reporter.asked();
  if (outcome.next == Step::PlayerPrompt) return false;
  legal = {move, promotes ? promotion : 0, outcome.checkScore, outcome.kingCaptured};
  return true;
}

void Add(LegalMoves& list, const LegalMove& move) {
  assert(list.count < LegalMoves::kCapacity);
  list.moves[static_cast<std::size_t>(list.count++)] = move;
}

}  // namespace

LegalMoves ListLegalMoves(const GameState& g, int side) {
  assert(side == kWhite || side == kBlack);
  const GameState start = TrialGame(g, side);
  GameState probe = start;
  LegalMoves list;
  for (int fromRow = 1; fromRow <= 8; ++fromRow) {
    for (int fromCol = 1; fromCol <= 8; ++fromCol) {
      const PieceCode piece = start.GameBoard(fromRow, fromCol);
      if (piece * side <= 0) continue;
      for (int toRow = 1; toRow <= 8; ++toRow) {
        for (int toCol = 1; toCol <= 8; ++toCol) {
          const MoveRecord move{piece, fromRow, fromCol, toRow, toCol};
          LegalMove legal;
          bool promotes = false;
          if (!Validates(probe, start, move)) continue;
          if (!TryMove(start, move, kPromotions[0], legal, promotes)) continue;
          Add(list, legal);
          for (std::size_t i = 1; promotes && i < kPromotions.size(); ++i) {
            if (TryMove(start, move, kPromotions[i], legal, promotes)) Add(list, legal);
          }
        }
      }
    }
  }
  return list;
}

}  // namespace bdvx
