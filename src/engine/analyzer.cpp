#include "engine/analyzer.h"

#include "engine/move_scorer.h"
#include "engine/parse_board.h"
#include "rules/piece_moves.h"

namespace bdvx {

namespace {

constexpr int Min(int a, int b) { return a < b ? a : b; }
constexpr int Max(int a, int b) { return a > b ? a : b; }

// Pawn guard: a pawn stays where it is while a friend on either corner of the
// row just ahead (the box's columns, so its own column on the edge files) is
// held no better than it is attacked.
bool PawnHeldBack(const Board& board, const ParseArray& parse, int side, int piece,
                  const DestinationRange& box) {
  const int guardRow = piece < 0 ? box.rowLo : box.rowHi;
  assert(guardRow >= 1 && guardRow <= 8);
  for (const int col : {box.colLo, box.colHi}) {
    if (side * board(guardRow, col) > 0 && side * parse(guardRow, col) <= 0) return true;
  }
  return false;
}

// Does an enemy pawn attack (toRow, toCol)? Enemy pawns are looked for on
// the row behind the square from the mover's view, when that row lies in
// 1..lastPawnRow.
bool EnemyPawnAttacks(const Board& board, int side, int toRow, int toCol, int lastPawnRow) {
  const int pawnRow = toRow - side;
  if (pawnRow < 1 || pawnRow > lastPawnRow) return false;
  return (toCol < 8 && board(pawnRow, toCol + 1) == -side) ||
         (toCol > 1 && board(pawnRow, toCol - 1) == -side);
}

// The reply scan's scoring: the first strictly highest score wins.
class ReplyScorer : public CandidateVisitor {
 public:
  ReplyScorer(const Board& board, const ParseArray& parse, int side, MoveRecord& replyMove)
      : board_(board), parse_(parse), side_(side), replyMove_(replyMove) {}

  void visit(const Candidate& c) override {
    ScoreMove(board_, parse_, ScoredMoveOf(c, side_, 0, 0), runningScore_);
    if (runningScore_ > replyScore_) {
      replyScore_ = runningScore_;
      replyMove_ = c.move;
    }
  }
  int replyScore() const { return replyScore_; }

 private:
  const Board& board_;
  const ParseArray& parse_;
  int side_;
  MoveRecord& replyMove_;
  int runningScore_ = 0;  // carried over between replies
  int replyScore_ = kReplyStartScore;
};

}  // namespace

ScoredMove ScoredMoveOf(const Candidate& candidate, int side, int queenSideOK,
                        int kingSideOK) {
  ScoredMove scored;
  scored.fromRow = candidate.move.fromRow;
  scored.fromCol = candidate.move.fromCol;
  scored.toRow = candidate.move.toRow;
  scored.toCol = candidate.move.toCol;
  scored.side = side;
  scored.queenSideOK = queenSideOK;
  scored.kingSideOK = kingSideOK;
  scored.castleFlag = candidate.castleFlag;
  scored.checkScore = candidate.checkScore;
  scored.ruleResult = candidate.ruleResult;
  return scored;
}

DestinationRange DestinationBox(int piece, int row, int col) {
  DestinationRange box;  // sliders keep the whole board
  switch (Magnitude(piece)) {
    case kKing:
      box.rowLo = Max(1, row - 1);
      box.rowHi = Min(8, row + 1);
      box.colLo = Max(1, col - 1);
      box.colHi = Min(8, col + 1);
      if (col == 5 && (row == 1 || row == 8)) {
        box.colLo = 3;  // both castling destinations
        box.colHi = 7;
      }
      break;
    case kKnight:
      if (row > 2) box.rowLo = row - 2;
      if (row < 7) box.rowHi = row + 2;
      if (col > 2) box.colLo = col - 2;
      if (col < 7) box.colHi = col + 2;
      break;
    case kPawn:
      box.rowLo = piece < 0 ? row + 1 : row - 2;
      box.rowHi = piece < 0 ? row + 2 : row - 1;
      box.colLo = Max(1, col - 1);
      box.colHi = Min(8, col + 1);
      box.rowLo = Max(1, box.rowLo);
      box.rowHi = Min(8, box.rowHi);
      break;
    default:
      break;
  }
  return box;
}

int CandidateLegal(Board& board, int piece, int fromRow, int fromCol, int toRow,
                   int toCol, int side, int captureFlag, int castleAllowed) {
  const int kind = Magnitude(piece);
  if (toRow == fromRow && toCol == fromCol) return 0;
  if (kind == kRook && toRow != fromRow && toCol != fromCol) return 0;
  if (kind == kBishop && (toRow == fromRow || toCol == fromCol)) return 0;
  if (side * board(toRow, toCol) >= 1) return 0;
  int result = kRuleNotAMove;
  int flag = captureFlag;
  TestPieceMove(piece, fromRow, fromCol, toRow, toCol, result, flag, castleAllowed);
  if (result == kRuleNotAMove || result == kRuleCastleRefused || result == kRuleNeverMoves) {
    return 0;
  }
  // In move mode with a result of 1, 2 or 4 the path test never moves a rook.
  if (TestPathClear(board, piece, fromRow, fromCol, toRow, toCol, result, kMoveMode) == 0) {
    return 0;
  }
  return result;
}

ScanOutcome ScanCandidates(const TrialContext& ctx, Board& board, const ParseArray& parse,
                           int side, int queenSideOK, int kingSideOK,
                           CheckTable& checkState, const PawnAttackFilter& filter,
                           CandidateVisitor& visitor) {
  assert(side == kWhite || side == kBlack);
  ScanOutcome outcome;
  const CheckTable saved = checkState;
  for (int fromRow = 1; fromRow <= 8; ++fromRow) {
    for (int fromCol = 1; fromCol <= 8; ++fromCol) {
      const int piece = board(fromRow, fromCol);
      if (side * piece <= 0) continue;
      const int kind = Magnitude(piece);
      const DestinationRange box = DestinationBox(piece, fromRow, fromCol);
      if (box.rowLo > box.rowHi || box.colLo > box.colHi) continue;  // a pawn on its far row
      if (kind == kPawn && PawnHeldBack(board, parse, side, piece, box)) continue;
      const bool pawnFilter =
          filter.active && kind != kPawn && (filter.kingsToo || kind != kKing);

      for (int toRow = box.rowLo; toRow <= box.rowHi; ++toRow) {
        for (int toCol = box.colLo; toCol <= box.colHi; ++toCol) {
          const int castleFlag = toCol <= 5 ? queenSideOK : kingSideOK;
          const PawnCapture capture =
              TestPawnCapture(board, ctx.pawnJump, fromRow, fromCol, toRow, toCol);
          const int ruleResult = CandidateLegal(board, piece, fromRow, fromCol, toRow, toCol,
                                                side, capture.captureFlag, castleFlag);
          if (ruleResult == 0) continue;
          checkState = saved;

          const int control = side * parse(toRow, toCol);
          if (pawnFilter && control >= 0 &&
              EnemyPawnAttacks(board, side, toRow, toCol, filter.lastPawnRow)) {
            continue;
          }

          // Silent trial: only the piece moves (no castling rook, no en
          // passant removal, no promotion), then both squares come back.
          const int destination = board(toRow, toCol);
          board(fromRow, fromCol) = 0;
          board(toRow, toCol) = piece;
          int scratchMover = 0;
          const AfterMove after =
              AfterMoveCheck(board, ctx.pawnJump, checkState, piece, fromRow, fromCol, toRow,
                             toCol, destination, ruleResult, kSilentMode, scratchMover);
          board(fromRow, fromCol) = piece;
          board(toRow, toCol) = destination;
          if (after.moveCanceled) continue;

          const MoveRecord move{piece, fromRow, fromCol, toRow, toCol};
          if (after.checkScore > kMateThreshold) {
            outcome.mated = true;
            outcome.mateMove = move;
            outcome.mateScore = after.checkScore;
            checkState = saved;
            return outcome;
          }

          // Dominated destination; a pawn may step where the enemy holds one more.
          if ((control < 0 && kind != kPawn) || (control < -1 && kind == kPawn)) continue;

          visitor.visit(Candidate{move, ruleResult, after.checkScore, castleFlag});
        }
      }
    }
  }
  checkState = saved;
  return outcome;
}

ReplyOutcome BestReply(const TrialContext& ctx, Board& board, const ParseArray& parse,
                       MoveRecord& replyMove, int side, CheckTable& checkState) {
  ReplyScorer scorer(board, parse, side, replyMove);
  const PawnAttackFilter filter{true, false, 8};
  const ScanOutcome scan =
      ScanCandidates(ctx, board, parse, side, 0, 0, checkState, filter, scorer);
  ReplyOutcome outcome;
  outcome.replyScore = scorer.replyScore();
  if (scan.mated) outcome.lastCheckScore = scan.mateScore;
  return outcome;
}

ProbeOutcome ProbeReply(const TrialContext& ctx, Board& board, MoveRecord& replyMove,
                        const MoveRecord& move, CheckTable& checkState) {
  const Board saved = board;
  board(move.fromRow, move.fromCol) = 0;
  board(move.toRow, move.toCol) = move.piece;
  const int replySide = move.piece <= 0 ? kWhite : kBlack;
  ParseArray parse;
  BuildParseBoard(board, parse);
  const ReplyOutcome reply = BestReply(ctx, board, parse, replyMove, replySide, checkState);
  board = saved;
  ProbeOutcome outcome;
  outcome.rejected = reply.lastCheckScore > kMateThreshold;
  outcome.replyScore = reply.replyScore;
  return outcome;
}

}  // namespace bdvx
