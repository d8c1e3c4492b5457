#include "engine/analyzer.h"

#include "engine/move_scorer.h"
#include "engine/parse_board.h"
#include "engine/silent_trial.h"

namespace bdvx {

namespace {

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
  ReplyScorer(const Board& board, const ParseArray& parse, const ScoreTargets& targets,
              int side, MoveRecord& replyMove)
      : board_(board), parse_(parse), targets_(targets), side_(side), replyMove_(replyMove) {}

  void visit(const Candidate& c) override {
    ScoreMove(board_, parse_, targets_, ScoredMoveOf(c, side_, 0, 0), runningScore_);
    if (runningScore_ > replyScore_) {
      replyScore_ = runningScore_;
      replyMove_ = c.move;
    }
  }
  int replyScore() const { return replyScore_; }

 private:
  const Board& board_;
  const ParseArray& parse_;
  ScoreTargets targets_;  // the board is the same for every reply scored
  int side_;
  MoveRecord& replyMove_;
  int runningScore_ = 0;  // carried over between replies
  int replyScore_ = kReplyStartScore;
};

}  // namespace

BoardSurvey SurveyBoard(const Board& board) {
  BoardSurvey survey;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 8; ++c) {
      const int code = board(r, c);
      if (Magnitude(code) == kKing) {
        const bool white = code > 0;
        if ((white ? survey.whiteKings++ : survey.blackKings++) == 0) {
          (white ? survey.kings.whiteRow : survey.kings.blackRow) = r;
          (white ? survey.kings.whiteCol : survey.kings.blackCol) = c;
        }
      } else if (code == kQueen && survey.whiteQueenRow == 0) {
        survey.whiteQueenRow = r;
        survey.whiteQueenCol = c;
      } else if (code == -kQueen && survey.blackQueenRow == 0) {
        survey.blackQueenRow = r;
        survey.blackQueenCol = c;
      }
    }
  }
  return survey;
}

ScoreTargets ScoreTargetsOf(const BoardSurvey& survey, int side) {
  const bool white = side > 0;  // the targets are Black's
  ScoreTargets targets;
  targets.kingRow = white ? survey.kings.blackRow : survey.kings.whiteRow;
  targets.kingCol = white ? survey.kings.blackCol : survey.kings.whiteCol;
  targets.queenRow = white ? survey.blackQueenRow : survey.whiteQueenRow;
  targets.queenCol = white ? survey.blackQueenCol : survey.whiteQueenCol;
  return targets;
}

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

ScanOutcome ScanCandidates(const TrialContext& ctx, Board& board, const ParseArray& parse,
                           const BoardSurvey& survey, int side, int queenSideOK, int kingSideOK,
                           CheckTable& checkState, const PawnAttackFilter& filter,
                           CandidateVisitor& visitor) {
  assert(side == kWhite || side == kBlack);
  ScanOutcome outcome;
  const CheckTable saved = checkState;
  const SilentTrial trial(board, survey, side);
  DestinationList destinations;
  for (int fromRow = 1; fromRow <= 8; ++fromRow) {
    for (int fromCol = 1; fromCol <= 8; ++fromCol) {
      const int piece = board(fromRow, fromCol);
      if (side * piece <= 0) continue;
      const int kind = Magnitude(piece);
      if (kind == kPawn) {
        const DestinationRange box = DestinationBox(piece, fromRow, fromCol);
        if (box.rowLo > box.rowHi) continue;  // a pawn on its far row
        if (PawnHeldBack(board, parse, side, piece, box)) continue;
      }
      const bool pawnFilter =
          filter.active && kind != kPawn && (filter.kingsToo || kind != kKing);
      FindDestinations(board, ctx.pawnJump, piece, fromRow, fromCol, side, queenSideOK,
                       kingSideOK, destinations);
      if (destinations.count == 0) continue;
      const FromSquareLines lines = trial.linesThrough(board, fromRow, fromCol);

      for (int i = 0; i < destinations.count; ++i) {
        const Destination& to = destinations.items[static_cast<std::size_t>(i)];
        const int toRow = to.row;
        const int toCol = to.col;
        const int ruleResult = to.ruleResult;
        const int castleFlag = toCol <= 5 ? queenSideOK : kingSideOK;
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
        const AfterMove after = trial.judge(board, ctx.pawnJump, checkState, lines, piece,
                                            fromRow, fromCol, toRow, toCol, destination,
                                            ruleResult);
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
  checkState = saved;
  return outcome;
}

ReplyOutcome BestReply(const TrialContext& ctx, Board& board, const ParseArray& parse,
                       const BoardSurvey& survey, MoveRecord& replyMove, int side,
                       CheckTable& checkState) {
  ReplyScorer scorer(board, parse, ScoreTargetsOf(survey, side), side, replyMove);
  const PawnAttackFilter filter{true, false, 8};
  const ScanOutcome scan =
      ScanCandidates(ctx, board, parse, survey, side, 0, 0, checkState, filter, scorer);
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
  const BoardSurvey survey = SurveyBoard(board);
  ParseArray parse;
  BuildParseBoard(board, survey.kings, parse);
  const ReplyOutcome reply =
      BestReply(ctx, board, parse, survey, replyMove, replySide, checkState);
  board = saved;
  ProbeOutcome outcome;
  outcome.rejected = reply.lastCheckScore > kMateThreshold;
  outcome.replyScore = reply.replyScore;
  return outcome;
}

}  // namespace bdvx
