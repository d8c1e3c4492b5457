#include "uci_engine.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "engine/analyzer.h"
#include "engine/move_choice.h"
#include "engine/move_scorer.h"
#include "engine/parse_board.h"
#include "records/fen.h"
#include "rules/castling_rights.h"
#include "rules/legal_moves.h"
#include "rules/piece_moves.h"
#include "rules/position_setup.h"
#include "rules/san.h"

#ifndef BRANDOVEX_VERSION
#define BRANDOVEX_VERSION "dev"
#endif

namespace bdvx::uci {

namespace {

constexpr std::string_view kStartFen =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
constexpr int kUnscored = -999;  // a move the scorer leaves unscored

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Remembers every candidate's score, to tell the chosen move's.
class ScoreKeeper : public ChoiceObserver {
 public:
  void candidate(const MoveRecord& move, int score, int, bool, const MoveRecord&) override {
    scores_.push_back({move, score});
  }
  void mate(const MoveRecord&) override { mated = true; }
  bool mated = false;
  int scoreOf(const MoveRecord& move) const {
    for (const auto& [m, score] : scores_) {
      if (m == move) return score;
    }
    return 0;
  }

 private:
  std::vector<std::pair<MoveRecord, int>> scores_;
};

// The computer's candidates before the reply search, scored as its choice
// scores them (the running score carried over): when every one of them lets
// the player mate, the first highest is the move it would have liked best.
class BestCandidate : public CandidateVisitor {
 public:
  BestCandidate(const Board& board, const ParseArray& parse, const ScoreTargets& targets,
                int side, int queenSideOK, int kingSideOK)
      : board_(board), parse_(parse), targets_(targets), side_(side),
        queenSideOK_(queenSideOK), kingSideOK_(kingSideOK) {}
  void visit(const Candidate& c) override {
    ScoreMove(board_, parse_, targets_, ScoredMoveOf(c, side_, queenSideOK_, kingSideOK_),
              running_);
    if (!found || running_ > best) {
      found = true;
      best = running_;
      move = c.move;
    }
  }
  bool found = false;
  int best = 0;
  MoveRecord move{};

 private:
  const Board& board_;
  const ParseArray& parse_;
  ScoreTargets targets_;
  int side_;
  int queenSideOK_;
  int kingSideOK_;
  int running_ = 0;
};

// Where the game's computer resigns, its best-scored move: the first highest
// of the candidates it refused for allowing mate, or, when the scan's
// filters left none, the first legal move with the highest score the scorer
// gives it on this position (a move it leaves unscored counting -999).
Choice BestScoredMove(GameState& g, int side, int queenSideOK, int kingSideOK,
                      const LegalMoves& legal) {
  Choice choice;
  choice.resigns = true;
  const PawnAttackFilter filter = ComputerPawnFilter(g.CheckState);
  const BoardSurvey survey = SurveyBoard(g.GameBoard);
  const ScoreTargets targets = ScoreTargetsOf(survey, side);
  BestCandidate best(g.GameBoard, g.ParseBoard, targets, side, queenSideOK, kingSideOK);
  ScanCandidates(TrialContext{g.PawnJump}, g.GameBoard, g.ParseBoard, survey, side, queenSideOK,
                 kingSideOK, g.CheckState, filter, best);
  if (best.found) {
    choice.move = best.move;
    choice.score = best.best;
    return choice;
  }
  choice.score = kUnscored - 1;
  for (const LegalMove& m : legal) {
    if (m.promotedTo != 0 && m.promotedTo != kQueen) continue;
    const MoveRecord& mv = m.move;
    ScoredMove scored{mv.fromRow, mv.fromCol, mv.toRow, mv.toCol, side, queenSideOK,
                      kingSideOK, mv.toCol <= 5 ? queenSideOK : kingSideOK,
                      m.checkScore, kRuleOrdinary};
    if (m.promotedTo != 0) scored.ruleResult = kRulePromotion;
    if (Magnitude(mv.piece) == kKing && (mv.toCol - mv.fromCol == 2 || mv.fromCol - mv.toCol == 2)) {
      scored.ruleResult = kRuleCastle;
    }
    int score = kUnscored;
    ScoreMove(g.GameBoard, g.ParseBoard, targets, scored, score);
    if (score > choice.score) {
      choice.score = score;
      choice.move = mv;
    }
  }
  return choice;
}

// Makes the move of the side to move that text names through the game's own
// validation and execution, as its player's move: the same judgement by
// which the legal moves are listed, for one move. The history starts afresh
// each time: a repetition ends a game, it does not forbid a move. false, and
// s as it was, when the game refuses or cancels the move.
bool Play(Standing& s, const CoordinateText& text) {
  Standing trial = s;
  GameState& g = trial.g;
  const int side = s.sideToMove;
  const PieceCode piece = g.GameBoard(text.fromRow, text.fromCol);
  if (side * piece <= 0) return false;
  SetTurn(g, side, -side, trial.fullmoveNumber);
  g.HistoryCount = 0;
  g.PgnMoves.clear();
  g.MsgRow = 1;
  g.HintMove = MoveRecord{};
  const SilentPlay play = PlaySilently(g, {piece, text.fromRow, text.fromCol, text.toRow,
                                           text.toCol},
                                       text.promotion != 0 ? text.promotion : kQueen);
  // A promotion letter names a move only when the move promotes.
  if (!play.stands || (text.promotion != 0 && !play.promoted)) return false;
  if (side == kBlack) trial.fullmoveNumber += 1;
  trial.sideToMove = -side;
  s = std::move(trial);
  return true;
}

}  // namespace

std::string CoordinateOf(const MoveRecord& m) {
  const bool promotes = Magnitude(m.piece) == kPawn && (m.toRow == 1 || m.toRow == 8);
  return CoordinateMoveText(m, promotes ? kQueen : kEmpty);
}

Choice ChooseFor(const Standing& position, int level, RandomSource& random) {
  Standing s = position;
  GameState& g = s.g;
  const int side = s.sideToMove;
  SetTurn(g, side, side, s.fullmoveNumber);
  g.Level = level;
  g.HintLimit = HintLimitOfLevel(level);
  BuildParseBoard(g.GameBoard, g.ParseBoard);
  // No castling for the computer while a check stands against it.
  const CastleFlags castle = ComputerCastleFlags(g, side);
  const int queenSideOK = castle.queenSideOK;
  const int kingSideOK = castle.kingSideOK;

  Choice choice;
  ScoreKeeper keeper;
  ChooseComputerMove(random, g.GameBoard, g.ParseBoard, choice.move, choice.hint, side,
                     queenSideOK, kingSideOK, g.CheckState, g.PawnJump, g.MoveNumber,
                     g.HintLimit, &keeper);
  if (choice.move.piece == kEmpty) {
    const LegalMoves legal = ListLegalMoves(g, side);
    if (legal.count == 0) return Choice{};
    return BestScoredMove(g, side, queenSideOK, kingSideOK, legal);
  }
  // The first mating move is played at once, unscored.
  choice.mates = keeper.mated;
  choice.score = keeper.scoreOf(choice.move);
  return choice;
}

Engine::Engine() {
  Position start;
  std::string error;
  ParseFen(kStartFen, start, error);
  InitProgramTables(standing_.g);
  PlacePosition(standing_.g, start);
  base_ = "startpos";
}

void Engine::handle(std::string_view line, std::ostream& out) {
  const std::vector<std::string> words = Words(line);
  // Unknown words before a command are skipped, as the protocol asks.
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "uci") {
      out << "id name BRANDOVEX " << BRANDOVEX_VERSION << '\n'
          << "id author the BRANDOVEX developers\n"
          << "option name Level type spin default " << kDefaultLevel << " min 0 max "
          << kMaxLevel << '\n'
          << "option name Seed type spin default " << kDefaultSeed << " min 0 max " << kMaxSeed
          << '\n'
          << "uciok\n";
    } else if (w == "isready") {
      out << "readyok\n";
    } else if (w == "ucinewgame") {
      pendingMove_.clear();
    } else if (w == "setoption") {
      setOption(words, i + 1, out);
    } else if (w == "position") {
      setPosition(words, i + 1, out);
    } else if (w == "go") {
      go(words, i + 1, out);
    } else if (w == "stop" || w == "ponderhit") {
      if (!pendingMove_.empty()) out << pendingMove_;
      pendingMove_.clear();
    } else if (w == "quit") {
      quit_ = true;
    } else {
      continue;
    }
    return;
  }
}

void Engine::setOption(const std::vector<std::string>& words, std::size_t at,
                       std::ostream& out) {
  // setoption name <name words> value <value>
  std::string name;
  std::string value;
  std::string* into = nullptr;
  for (std::size_t i = at; i < words.size(); ++i) {
    if (words[i] == "name") {
      into = &name;
    } else if (words[i] == "value") {
      into = &value;
    } else if (into != nullptr) {
      if (!into->empty()) *into += ' ';
      *into += words[i];
    }
  }
  const std::string key = Lower(name);
  long long number = -1;
  std::istringstream in(value);
  if (!(in >> number) || !in.eof()) number = -1;
  if (key == "level") {
    if (number < 0 || number > kMaxLevel) {
      out << "info string Level takes 0 to " << kMaxLevel << ", not \"" << value << "\"\n";
      return;
    }
    level_ = static_cast<int>(number);
  } else if (key == "seed") {
    if (number < 0 || number > kMaxSeed) {
      out << "info string Seed takes 0 to " << kMaxSeed << ", not \"" << value << "\"\n";
      return;
    }
    seed_ = static_cast<std::uint32_t>(number);
    random_.reseed(seed_);
  } else {
    out << "info string no option \"" << name << "\"\n";
  }
}

void Engine::setPosition(const std::vector<std::string>& words, std::size_t at,
                         std::ostream& out) {
  std::size_t i = at;
  std::string base;
  while (i < words.size() && words[i] != "startpos" && words[i] != "fen" && words[i] != "moves") {
    ++i;  // unknown tokens
  }
  if (i == words.size() || words[i] == "moves") {
    out << "info string position needs startpos or fen\n";
    return;
  }
  if (words[i] == "startpos") {
    base = "startpos";
    ++i;
  } else {
    for (++i; i < words.size() && words[i] != "moves"; ++i) {
      if (!base.empty()) base += ' ';
      base += words[i];
    }
  }
  while (i < words.size() && words[i] != "moves") ++i;
  const std::vector<std::string> moves(
      i < words.size() ? words.begin() + static_cast<std::ptrdiff_t>(i) + 1 : words.end(),
      words.end());

  // The same start and the moves so far: play only the new ones.
  if (base == base_ && moves.size() >= moves_.size() &&
      std::equal(moves_.begin(), moves_.end(), moves.begin())) {
    Standing next = standing_;
    if (!playMoves(next, moves, moves_.size(), out)) return;
    standing_ = std::move(next);
    moves_ = moves;
    return;
  }

  Position position;
  std::string error;
  if (!ParseFen(base == "startpos" ? kStartFen : std::string_view(base), position, error)) {
    out << "info string bad FEN \"" << base << "\": " << error << '\n';
    return;
  }
  const std::string problem = PositionProblem(position);
  if (!problem.empty()) {
    out << "info string impossible position \"" << base << "\": " << problem << '\n';
    return;
  }
  Standing next;
  InitProgramTables(next.g);
  PlacePosition(next.g, position);
  next.sideToMove = position.sideToMove;
  next.fullmoveNumber = position.fullmoveNumber;
  if (!playMoves(next, moves, 0, out)) return;
  standing_ = std::move(next);
  base_ = base;
  moves_ = moves;
}

bool Engine::playMoves(Standing& standing, const std::vector<std::string>& moves,
                       std::size_t from, std::ostream& out) {
  for (std::size_t i = from; i < moves.size(); ++i) {
    CoordinateText text;
    if (!ReadCoordinateMove(moves[i], text)) {
      out << "info string move " << i + 1 << " \"" << moves[i] << "\" is not a move\n";
      return false;
    }
    if (!Play(standing, text)) {
      out << "info string move " << i + 1 << " \"" << moves[i] << "\" is not legal\n";
      return false;
    }
  }
  return true;
}

void Engine::go(const std::vector<std::string>& words, std::size_t at, std::ostream& out) {
  bool hold = false;
  for (std::size_t i = at; i < words.size(); ++i) {
    if (words[i] == "infinite" || words[i] == "ponder") hold = true;
  }
  const Choice choice = ChooseFor(standing_, level_, random_);
  std::ostringstream answer;
  if (choice.move.piece == kEmpty) {
    answer << "bestmove 0000\n";
  } else {
    if (choice.resigns) answer << "info string resigns\n";
    answer << "info depth 2 score ";
    if (choice.mates) {
      answer << "mate 1";
    } else {
      answer << "cp " << choice.score;
    }
    answer << " pv " << CoordinateOf(choice.move);
    if (choice.hint.piece != kEmpty && !choice.mates) answer << ' ' << CoordinateOf(choice.hint);
    answer << "\nbestmove " << CoordinateOf(choice.move) << '\n';
  }
  if (hold) {
    pendingMove_ = answer.str();
  } else {
    out << answer.str();
  }
}

}  // namespace bdvx::uci
