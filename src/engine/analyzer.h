// The machinery both plies share: the destination box of a piece, the quick
// legality test, the candidate scan with its filters and silent trial moves,
// and the opponent-reply search. Nothing here changes the game: the board
// and the check record are as on entry whenever a call returns.
#pragma once

#include "core/board.h"
#include "engine/destinations.h"
#include "engine/move_scorer.h"
#include "rules/attacks.h"
#include "rules/check.h"

namespace bdvx {

constexpr int kReplyStartScore = -50;  // a reply must beat this to be kept

// What the scans of one board look up more than once, found in one pass:
// the first king and the first queen of each colour in row-major order (row
// 0: none), and how many kings of each colour stand there.
struct BoardSurvey {
  KingSquares kings;
  int whiteKings = 0;
  int blackKings = 0;
  int whiteQueenRow = 0;
  int whiteQueenCol = 0;
  int blackQueenRow = 0;
  int blackQueenCol = 0;
};
BoardSurvey SurveyBoard(const Board& board);

// The scorer's targets for side's moves: the other colour's king and queen.
ScoreTargets ScoreTargetsOf(const BoardSurvey& survey, int side);

// What every trial needs besides the board: the en-passant memory.
struct TrialContext {
  const PawnJumpRecord& pawnJump;
};

// The pawn-attack filter of a scan: which movers skip destinations that an
// enemy pawn attacks (unless the mover's side is outnumbered there).
struct PawnAttackFilter {
  bool active = true;       // the computer's scan drops it while in check
  bool kingsToo = false;    // the computer's scan filters its king as well
  int lastPawnRow = 8;      // enemy pawn rows looked at: 1..lastPawnRow
};

// The computer's own filter: while a check is in force its pieces may go
// where a player's pawn attacks; otherwise every piece but pawns, kings
// included, avoids it.
inline PawnAttackFilter ComputerPawnFilter(const CheckTable& checkState) {
  return {!CheckStands(checkState), true, 7};
}

// A candidate that survived every test of the scan, ready to be scored.
struct Candidate {
  MoveRecord move;
  int ruleResult = 0;   // 1 ordinary, 2 promotion, 4 castling
  int checkScore = 0;   // 0, 50 or 100 from the silent trial
  int castleFlag = 0;   // the castle flag of the destination column
};

// The candidate as the move scorer takes it, with the mover's castling
// permissions (always 0 for replies, which never castle).
ScoredMove ScoredMoveOf(const Candidate& candidate, int side, int queenSideOK,
                        int kingSideOK);

// Receives the scan's surviving candidates, in scan order.
class CandidateVisitor {
 public:
  virtual ~CandidateVisitor() = default;
  // Called after the candidate's own trial, with checkState as that trial
  // left it.
  virtual void visit(const Candidate& candidate) = 0;
};

struct ScanOutcome {
  bool mated = false;    // the scan stopped at a mating move
  MoveRecord mateMove;   // that move
  int mateScore = 0;     // its CheckScore (above 999)
};

// Walks every move of side on board: from-squares row-major, destinations
// row-major in the piece's box; the pawn guard, the legality test, the
// pawn-attack filter, the silent trial, the dominated test. Stops at the first
// mating move. checkState is written back before every trial and on return.
// survey is SurveyBoard of the board as it comes.
ScanOutcome ScanCandidates(const TrialContext& ctx, Board& board, const ParseArray& parse,
                           const BoardSurvey& survey, int side, int queenSideOK, int kingSideOK,
                           CheckTable& checkState, const PawnAttackFilter& filter,
                           CandidateVisitor& visitor);

struct ReplyOutcome {
  int lastCheckScore = 0;  // above 999 exactly when a mating reply was found
  int replyScore = kReplyStartScore;
};

// The best reply of side on board with its parse array and survey: the first
// highest score wins; a mating reply ends the search unrecorded. replyMove is
// written only when a reply beats the start value -50.
ReplyOutcome BestReply(const TrialContext& ctx, Board& board, const ParseArray& parse,
                       const BoardSurvey& survey, MoveRecord& replyMove, int side,
                       CheckTable& checkState);

struct ProbeOutcome {
  bool rejected = false;  // the opponent can answer with checkmate
  int replyScore = kReplyStartScore;
};

// Plays the candidate crudely (no castling rook, no en passant, no
// promotion), rebuilds a private parse array and searches the opponent's best
// reply. checkState is the one the candidate's own trial left.
ProbeOutcome ProbeReply(const TrialContext& ctx, Board& board, MoveRecord& replyMove,
                        const MoveRecord& move, CheckTable& checkState);

}  // namespace bdvx
