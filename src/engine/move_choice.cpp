#include "engine/move_choice.h"

#include "engine/analyzer.h"
#include "engine/move_scorer.h"
#include "engine/rounding.h"

namespace bdvx {

namespace {

constexpr int kStartBestScore = -999;
constexpr int kTieDrawRange = 1000;
constexpr int kTieDrawThreshold = 500;  // a tie replaces the choice below this

// The computer's scoring of its own candidates: the reply search while the
// game is young enough, the score less half the best reply, the comparison
// with its coin toss.
class ComputerScorer : public CandidateVisitor {
 public:
  ComputerScorer(const TrialContext& ctx, RandomSource& random, Board& board,
                 const ParseArray& parse, const ScoreTargets& targets, CheckTable& checkState, MoveRecord& computerMove,
                 MoveRecord& hintMove, int side, int queenSideOK, int kingSideOK,
                 bool searchReplies, ChoiceObserver* observer)
      : ctx_(ctx), random_(random), board_(board), parse_(parse),
        targets_(targets), checkState_(checkState),
        computerMove_(computerMove), hintMove_(hintMove), side_(side),
        queenSideOK_(queenSideOK), kingSideOK_(kingSideOK),
        searchReplies_(searchReplies), observer_(observer) {}

  void visit(const Candidate& c) override {
    int replyScore = 0;
    if (searchReplies_) {
      const ProbeOutcome probe = ProbeReply(ctx_, board_, replyMove_, c.move, checkState_);
      if (probe.rejected) return;  // the player could answer with mate
      replyScore = probe.replyScore;
    }

    ScoreMove(board_, parse_, targets_, ScoredMoveOf(c, side_, queenSideOK_, kingSideOK_),
              runningScore_);
    runningScore_ -= FloorDiv(replyScore, 2);

    if (observer_ != nullptr) {
      observer_->candidate(c.move, runningScore_, replyScore, searchReplies_, replyMove_);
    }
    const int tieDraw = static_cast<int>(random_.random() * kTieDrawRange);
    if (runningScore_ > bestScore_ ||
        (runningScore_ == bestScore_ && tieDraw < kTieDrawThreshold)) {
      bestScore_ = runningScore_;
      computerMove_ = c.move;
      hintMove_ = replyMove_;
    }
  }

 private:
  const TrialContext& ctx_;
  RandomSource& random_;
  Board& board_;
  const ParseArray& parse_;
  ScoreTargets targets_;  // the board is as on entry whenever a move is scored
  CheckTable& checkState_;
  MoveRecord& computerMove_;
  MoveRecord& hintMove_;
  int side_;
  int queenSideOK_;
  int kingSideOK_;
  bool searchReplies_;
  ChoiceObserver* observer_;
  int bestScore_ = kStartBestScore;
  int runningScore_ = 0;    // carried over between candidates
  MoveRecord replyMove_{};  // shared by every candidate of the call
};

}  // namespace

void ChooseComputerMove(RandomSource& random, Board& board, const ParseArray& parse,
                        MoveRecord& computerMove, MoveRecord& hintMove, int side,
                        int queenSideOK, int kingSideOK, CheckTable& checkState,
                        const PawnJumpRecord& pawnJump, int moveNumber, int hintLimit,
                        ChoiceObserver* observer) {
  assert(side == kWhite || side == kBlack);
#ifndef NDEBUG
  const Board entryBoard = board;
  const CheckTable entryCheckState = checkState;
#endif
  computerMove = MoveRecord{};
  hintMove = MoveRecord{};
  const TrialContext ctx{pawnJump};

  const PawnAttackFilter filter = ComputerPawnFilter(checkState);

  const BoardSurvey survey = SurveyBoard(board);
  ComputerScorer scorer(ctx, random, board, parse, ScoreTargetsOf(survey, side), checkState,
                        computerMove, hintMove, side, queenSideOK, kingSideOK,
                        moveNumber <= hintLimit, observer);
  const ScanOutcome scan = ScanCandidates(ctx, board, parse, survey, side, queenSideOK,
                                          kingSideOK, checkState, filter, scorer);
  if (scan.mated) {
    // The first mating move is played at once; hintMove keeps what it holds.
    computerMove = scan.mateMove;
    if (observer != nullptr) observer->mate(scan.mateMove);
  }
  assert(board == entryBoard && checkState == entryCheckState);
}

}  // namespace bdvx
