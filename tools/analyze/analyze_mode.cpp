// The analyze mode: the parse array of the position, then every candidate of
// the game's own move choice as it reaches the comparison, then the result.

#include <vector>

#include "console/virtual_console.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "modes.h"

namespace bdvx::analyze {

namespace {

void WriteMove(std::ostream& out, const MoveRecord& m) {
  out << m.piece << ' ' << m.fromRow << ' ' << m.fromCol << ' ' << m.toRow << ' '
      << m.toCol;
}

// Prints the candidate and mate lines as the choice runs and remembers the
// moves that share the highest score.
class AnalyzeObserver : public ChoiceObserver {
 public:
  explicit AnalyzeObserver(std::ostream& out) : out_(out) {}

  void candidate(const MoveRecord& move, int score, int replyScore, bool replySearched,
                 const MoveRecord& replyRecord) override {
    out_ << "cand ";
    WriteMove(out_, move);
    out_ << " score " << score << " reply " << replyScore;
    if (replySearched) {
      out_ << " hint ";
      WriteMove(out_, replyRecord);
    }
    out_ << '\n';
    if (best_.empty() || score > bestScore_) {
      best_.clear();
      bestScore_ = score;
    }
    if (score == bestScore_) best_.push_back(move);
  }

  void mate(const MoveRecord& move) override {
    out_ << "mate ";
    WriteMove(out_, move);
    out_ << '\n';
    mated_ = true;
  }

  // The closing line: the best moves, or resign; nothing after a mate.
  void finish() {
    if (mated_) return;
    if (best_.empty()) {
      out_ << "resign\n";
      return;
    }
    out_ << "best " << bestScore_ << ' ';
    for (std::size_t i = 0; i < best_.size(); ++i) {
      if (i > 0) out_ << " | ";
      WriteMove(out_, best_[i]);
    }
    out_ << '\n';
  }

 private:
  std::ostream& out_;
  std::vector<MoveRecord> best_;
  int bestScore_ = 0;
  bool mated_ = false;
};

}  // namespace

void RunAnalyze(const Position& position, std::ostream& out) {
  VirtualConsole con;
  Board board = position.board;
  ParseArray parse;
  BuildParseBoard(board, parse);
  out << "parse\n";
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      if (col > 1) out << ' ';
      out << parse(row, col);
    }
    out << '\n';
  }

  CheckTable checkState = position.checkState;
  MoveRecord computerMove;
  MoveRecord hintMove;
  AnalyzeObserver observer(out);
  ChooseComputerMove(con, board, parse, computerMove, hintMove, position.side,
                     position.castleQueen, position.castleKing, checkState,
                     position.pawnJump, position.moveNumber, position.hintLimit, &observer);
  observer.finish();
}

}  // namespace bdvx::analyze
