// The computer playing both sides: each chosen move goes through the game's
// own move execution (castling rook, en passant, promotion, checks, the
// repetition draw). A fixed set of seeded games per iteration; the counters
// give games per second and a fingerprint of every move played.

#include <benchmark/benchmark.h>

#include <utility>

#include "console/virtual_console.h"
#include "core/game_state.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "fingerprint.h"
#include "game/console_reporter.h"
#include "rules/move_outcome.h"

namespace bdvx::bench {
namespace {

constexpr int kGamesPerIteration = 4;
constexpr std::uint32_t kFirstSeed = 20261206;
constexpr int kMaxHalfMoves = 300;  // the history's length: the game is called a draw

struct GameSummary {
  int halfMoves = 0;
  int whiteWins = 0;
  int blackWins = 0;
  int draws = 0;      // repetition, or the history full
  int canceled = 0;   // a chosen move the execution refused or cancelled
};

// The side to move takes the computer's chair: its pawns promote to queens
// without a question and its captures fill the computer's list, so the two
// capture lists change places with the sides.
void TakeTurn(GameState& g, int side) {
  if (g.ComputerSide != side) {
    std::swap(g.ComputerCaptures, g.PlayerCaptures);
    std::swap(g.ComputerCaptureCount, g.PlayerCaptureCount);
  }
  g.ComputerSide = side;
  g.PlayerLetter = side == kWhite ? "B" : "W";
  g.MsgRow = 1;
  g.CapturedPiece = 0;
  g.CaptureGain = 0;
  g.CaptureFlag = 0;
}

// One game from the starting position; every chosen move goes into the
// fingerprint.
void PlayGame(std::uint32_t seed, int hintLimit, Fingerprint& fingerprint,
              GameSummary& summary) {
  VirtualConsole con(seed);
  con.setSoundFilesExist(true);
  GameState g;
  InitProgramTables(g);
  g.GameBoard = g.InitialBoard;
  g.HintLimit = hintLimit;
  g.MoveNumber = 1;
  int side = kWhite;
  for (int half = 0; half < kMaxHalfMoves; ++half, side = -side) {
    TakeTurn(g, side);
    BuildParseBoard(g.GameBoard, g.ParseBoard);
    const bool white = side == kWhite;
    const bool inCheck = g.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
                         g.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0;
    const int queenSideOK = inCheck ? 0 : (white ? g.WhiteQueenSideOK : g.BlackQueenSideOK);
    const int kingSideOK = inCheck ? 0 : (white ? g.WhiteKingSideOK : g.BlackKingSideOK);
    ChooseComputerMove(con, g.GameBoard, g.ParseBoard, g.ComputerMove, g.HintMove, side,
                       queenSideOK, kingSideOK, g.CheckState, g.PawnJump, g.MoveNumber,
                       g.HintLimit);
    fingerprint.add(g.ComputerMove);
    summary.halfMoves += 1;
    if (g.ComputerMove.piece == 0) {  // resigns
      (white ? summary.blackWins : summary.whiteWins) += 1;
      return;
    }
    SetMoveFields(g, g.ComputerMove);
    ConsoleReporter reporter(con, g.Voice);
    const MoveOutcome outcome = ExecuteMove(g, reporter);
    if (outcome.next == Step::EndGame) {
      if (g.EndReason == kReasonDraw) {
        summary.draws += 1;
      } else {
        (white ? summary.whiteWins : summary.blackWins) += 1;  // mate or king taken
      }
      return;
    }
    if (outcome.next != Step::TurnTop) {  // a cancelled move: no way forward
      summary.canceled += 1;
      return;
    }
    if (side == kBlack) g.MoveNumber += 1;
  }
  summary.draws += 1;
}

void BM_SelfPlay(benchmark::State& state, int hintLimit) {
  Fingerprint fingerprint;
  GameSummary summary;
  for (auto _ : state) {
    Fingerprint games;
    GameSummary round;
    for (int i = 0; i < kGamesPerIteration; ++i) {
      PlayGame(kFirstSeed + static_cast<std::uint32_t>(i), hintLimit, games, round);
    }
    fingerprint = games;
    summary = round;
  }
  const double games = static_cast<double>(state.iterations()) * kGamesPerIteration;
  state.counters["games_per_second"] = benchmark::Counter(games, benchmark::Counter::kIsRate);
  state.counters["half_moves_per_game"] =
      static_cast<double>(summary.halfMoves) / kGamesPerIteration;
  state.counters["white_wins"] = summary.whiteWins;
  state.counters["black_wins"] = summary.blackWins;
  state.counters["draws"] = summary.draws;
  state.counters["canceled"] = summary.canceled;
  state.counters["fingerprint"] = fingerprint.value();
  state.SetLabel("fingerprint " + fingerprint.hex());
}

BENCHMARK_CAPTURE(BM_SelfPlay, reply_search, 9999)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SelfPlay, no_reply_search, 0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bdvx::bench
