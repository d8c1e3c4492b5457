#include "rules/legal_moves.h"

#include <string>

#include "core/piece_text.h"
#include "rules/check.h"
#include "rules/move_execution.h"
#include "rules/move_outcome.h"
#include "rules/piece_moves.h"

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
  const SilentPlay play = PlaySilently(g, move, promotion);
  promotes = play.promoted;
  if (!play.stands) return false;
  legal = {move, promotes ? promotion : 0, play.outcome.checkScore, play.outcome.kingCaptured};
  return true;
}

void Add(LegalMoves& list, const LegalMove& move) {
  assert(list.count < LegalMoves::kCapacity);
  list.moves[static_cast<std::size_t>(list.count++)] = move;
}

// The check a standing move gives, as the move execution has AfterMoveCheck
// score it: on the board with the castling rook beside its king and a
// promoted pawn replaced by its piece.
int CheckScoreOf(const GameState& g, int side, const LegalMove& legal, const FastMove& fast) {
  const MoveRecord& m = legal.move;
  Board board = g.GameBoard;
  CheckTable checkState = g.CheckState;
  int lastMover = -side;
  PawnJumpRecord pawnJump = g.PawnJump;
  int ruleResult = kRuleOrdinary;
  int piece = m.piece;
  if (fast.kind == MoveKind::Castling) {
    ruleResult = kRuleCastle;
    board(m.fromRow, CastlingRookBeside(m.toCol)) = board(m.fromRow, CastlingRookCorner(m.toCol));
    board(m.fromRow, CastlingRookCorner(m.toCol)) = kEmpty;
  } else if (legal.promotedTo != 0) {
    ruleResult = kRulePromotion;
    piece = m.piece * legal.promotedTo;
  } else if (fast.kind == MoveKind::PawnJump) {
    pawnJump = {m.piece, (m.fromRow + m.toRow) / 2, m.fromCol};
  }
  const int destinationBefore = board(m.toRow, m.toCol);
  board(m.toRow, m.toCol) = piece;
  board(m.fromRow, m.fromCol) = kEmpty;
  const AfterMove check =
      AfterMoveCheck(board, pawnJump, checkState, piece, m.fromRow, m.fromCol, m.toRow, m.toCol,
                     destinationBefore, ruleResult, kAnnounceMode, lastMover);
  assert(!check.moveCanceled);
  return check.checkScore;
}

}  // namespace

void EnterMove(GameState& g, const MoveRecord& move) {
  g.MovePiece = move.piece;
  PieceTextOfCode(g.MovePiece, g.Code2);
  g.TypedFromRow = move.fromRow;
  g.TypedFromCol = move.fromCol;
  g.TypedToRow = move.toRow;
  g.TypedToCol = move.toCol;
}

SilentPlay PlaySilently(GameState& g, const MoveRecord& move, PieceCode promotion) {
  SilentPlay play;
  SilentReporter reporter(promotion);
  EnterMove(g, move);
  if (MoveValidation(g, reporter) != Step::MoveExecution) return play;
  play.outcome = ExecuteMove(g, reporter);
  play.promoted = reporter.asked();
  play.stands = play.outcome.next != Step::PlayerPrompt;
  return play;
}

bool ValidationAccepts(const GameState& g, int side, const MoveRecord& move) {
  const GameState start = TrialGame(g, side);
  GameState probe = start;
  return Validates(probe, start, move);
}

RulesBoard RulesBoardOf(const GameState& g, int side) {
  const CastlingRights rights{g.BlackQueenSideOK, g.WhiteQueenSideOK, g.BlackKingSideOK,
                              g.WhiteKingSideOK};
  return RulesBoard(g.GameBoard, side, rights, g.PawnJump, CheckStands(g.CheckState));
}

LegalMoves ListLegalMoves(const GameState& g, int side) {
  assert(side == kWhite || side == kBlack);
  RulesBoard board = RulesBoardOf(g, side);
  FastMoveList fast;
  board.listMoves(fast);
  SortInListingOrder(fast);
  LegalMoves list;
  for (int i = 0; i < fast.count; ++i) {
    const FastMove& m = fast.moves[static_cast<std::size_t>(i)];
    LegalMove legal;
    legal.move = {g.GameBoard(RowOfSquare(m.from), ColOfSquare(m.from)), RowOfSquare(m.from),
                  ColOfSquare(m.from), RowOfSquare(m.to), ColOfSquare(m.to)};
    legal.promotedTo = m.promotion;
    legal.kingCaptured = m.kind == MoveKind::KingCapture;
    if (!legal.kingCaptured) legal.checkScore = CheckScoreOf(g, side, legal, m);
    Add(list, legal);
  }
  return list;
}

bool Stalemated(const GameState& g, int side) {
  RulesBoard board = RulesBoardOf(g, side);
  FastMoveList fast;
  board.listMoves(fast);
  return fast.count == 0 && !KingInCheck(g.GameBoard, side);
}

LegalMoves ListLegalMovesByTrial(const GameState& g, int side) {
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
