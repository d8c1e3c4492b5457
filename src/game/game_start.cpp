#include "game/game_start.h"

#include <memory>
#include <utility>

#include "records/fen.h"
#include "records/pgn.h"
#include "records/text_file.h"
#include "rules/check.h"
#include "rules/move_outcome.h"
#include "rules/position_setup.h"
#include "rules/san.h"

namespace bdvx {

namespace {

constexpr std::string_view kStandardFen =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// The game as the other side sees it: the computer's side and the player's
// trade places, with their capture lists and the sign of the points. Done
// twice, nothing has changed.
void SwapSides(GameState& g) {
  g.ComputerSide = -g.ComputerSide;
  g.PlayerLetter = g.ComputerSide > 0 ? "B" : "W";
  std::swap(g.PlayerCaptures, g.ComputerCaptures);
  std::swap(g.PlayerCaptureCount, g.ComputerCaptureCount);
  g.Points = -g.Points;
}

// Plays a legal move through the game's own move execution, silently. A
// move of the computer's side is played as the player's, with the sides
// swapped for it, so that its pawn becomes the piece the record names (the
// computer's own pawns always become queens) while its capture still goes
// to the computer's list and points.
MoveOutcome ReplayMove(GameState& g, const LegalMove& legal) {
  const bool computers = legal.move.piece * g.ComputerSide > 0;
  if (computers) SwapSides(g);
  SetMoveFields(g, legal.move);
  g.CapturedPiece = 0;
  g.CaptureGain = 0;
  g.CaptureFlag = 0;
  g.MsgRow = 1;
  SilentReporter reporter(legal.promotedTo != 0 ? legal.promotedTo : kQueen);
  const MoveOutcome outcome = ExecuteMove(g, reporter);
  if (computers) SwapSides(g);
  return outcome;
}

// The side to move and the chess move number, which goes up after Black's
// move.
struct Turn {
  int side = kWhite;
  int number = 1;
  void pass() {
    if (side == kBlack) ++number;
    side = -side;
  }
};
Turn TurnAfter(const Position& position, std::size_t moves) {
  Turn turn{position.sideToMove, position.fullmoveNumber};
  for (std::size_t i = 0; i < moves; ++i) turn.pass();
  return turn;
}

// The position on g, the side to move to move, as a custom board is put on
// the game.
void PlaceStart(GameState& g, const Position& position) {
  PlacePosition(g, position);
  SetTurn(g, position.sideToMove, g.ComputerSide, position.fullmoveNumber);
}

// Plays the SAN moves from the position on a game of its own, each as a
// legal move of the side to move; they are kept in moves. What stops the
// replay, or "": a move that is no SAN, not legal, ambiguous, or one that
// ends the game.
std::string ReplayProblem(const Position& position, const std::vector<std::string>& sans,
                          std::vector<LegalMove>& moves) {
  const auto g = std::make_unique<GameState>();
  InitProgramTables(*g);
  PlaceStart(*g, position);
  Turn turn{position.sideToMove, position.fullmoveNumber};
  for (const std::string& text : sans) {
    const std::string side = turn.side > 0 ? "White" : "Black";
    const std::string name =
        "move " + std::to_string(turn.number) + (turn.side > 0 ? ". " : "... ") + text;
    SanText san;
    if (!ReadSan(text, san)) return name + " is not a move in standard algebraic notation";
    const SanMatches matches = MatchSan(san, ListLegalMoves(*g, turn.side));
    if (matches.count == 0) return name + " is not a legal move for " + side;
    const MoveRecord& first = matches.moves[0].move;
    const MoveRecord& second = matches.moves[1].move;
    if (matches.count > 1) {
      return name + " is ambiguous: " + SquareName(first.fromRow, first.fromCol) + " or " +
             SquareName(second.fromRow, second.fromCol);
    }
    const MoveOutcome outcome = ReplayMove(*g, matches.moves[0]);
    if (outcome.next != Step::TurnTop) {
      const char* ending = outcome.kingCaptured                    ? ": a king is taken"
                           : outcome.checkScore > kMateThreshold ? ": checkmate"
                           : g->EndReason == kReasonDraw          ? ": a draw by repetition"
                                                                  : "";
      return name + " ends the game here" + ending;
    }
    moves.push_back(matches.moves[0]);
    turn.pass();
  }
  return "";
}

// A FEN read and judged: false with problem when it is malformed, names a
// position no game can reach, or one whose game is already over by mate.
bool ReadPosition(std::string_view fen, Position& position, std::string& problem) {
  if (!ParseFen(fen, position, problem)) return false;
  problem = PositionProblem(position);
  Board board = position.board;
  if (problem.empty() && TestCheckmate(board, position.sideToMove, position.pawnJump)) {
    problem = std::string(position.sideToMove > 0 ? "White" : "Black") +
              " is checkmated: the game is over";
  }
  return problem.empty();
}

}  // namespace

bool ReadPgnGameStart(const std::string& fileName, GameStart& start, std::string& error) {
  std::string text;
  std::string problem;
  if (ReadWholeFile(fileName, kMaxPgnFileBytes, text, problem) != WholeFile::Read) {
    problem = "cannot be read (" + problem + ")";
  } else if (PgnTextGameStart(text, start, problem)) {
    return true;
  }
  error = fileName + ": " + problem;
  return false;
}

bool PgnTextGameStart(std::string_view text, GameStart& start, std::string& problem) {
  PgnGame game;
  if (!ReadLastPgnGame(text, game, problem)) return false;
  const std::string variant = game.tag("Variant");
  if (!variant.empty() && variant != "Standard" && variant != "standard") {
    problem = "its game is of the variant \"" + variant + "\", not standard chess";
    return false;
  }
  GameStart read;
  const std::string fen = game.tag("FEN");
  read.standardStart = fen.empty() || game.tag("SetUp") == "0";
  if (!ReadPosition(read.standardStart ? kStandardFen : fen, read.position, problem)) {
    problem = "FEN tag: " + problem;
    return false;
  }
  problem = ReplayProblem(read.position, game.moves, read.moves);
  if (!problem.empty()) return false;
  start = std::move(read);
  return true;
}

bool ReadFenGameStart(std::string_view fen, GameStart& start, std::string& error) {
  GameStart read;
  read.standardStart = false;
  std::string problem;
  if (!ReadPosition(fen, read.position, problem)) {
    error = "--fen: " + problem;
    return false;
  }
  start = std::move(read);
  return true;
}

void PlayGameStart(GameState& g, const GameStart& start) {
  const Position& position = start.position;
  PlaceStart(g, position);
  g.PgnStartFen = start.standardStart ? "" : FenOf(g, position.sideToMove, position.fullmoveNumber);
  g.PgnMoves.clear();
  for (const LegalMove& move : start.moves) ReplayMove(g, move);
  const Turn turn = TurnAfter(position, start.moves.size());
  SetTurn(g, turn.side, g.ComputerSide, turn.number);
  g.MsgRow = 1;
}

}  // namespace bdvx
