#include "self_play.h"

#include <iterator>
#include <optional>
#include <vector>

#include "console/virtual_console.h"
#include "core/game_state.h"
#include "core/piece_text.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "game/console_reporter.h"
#include "game/custom_board.h"
#include "game/game_end.h"
#include "game/turn_loop.h"
#include "rules/check.h"

namespace bdvx::soak {
namespace {

bool IsBoardCode(int code) {
  switch (Magnitude(code)) {
    case 0: case 1: case 3: case 4: case 5: case 9: case 10: return true;
    default: return false;
  }
}

// The first broken invariant of the game state after a move, or "".
std::string BrokenInvariant(const GameState& g) {
  for (int r = 1; r <= 8; ++r)
    for (int c = 1; c <= 8; ++c)
      if (!IsBoardCode(g.GameBoard(r, c)))
        return "square (" + std::to_string(r) + "," + std::to_string(c) + ") holds code " +
               std::to_string(g.GameBoard(r, c));
  if (g.PlayerCaptureCount < 0 || g.PlayerCaptureCount > kCaptureSlots)
    return "PlayerCaptureCount " + std::to_string(g.PlayerCaptureCount);
  if (g.ComputerCaptureCount < 0 || g.ComputerCaptureCount > kCaptureSlots)
    return "ComputerCaptureCount " + std::to_string(g.ComputerCaptureCount);
  if (g.HistoryCount < 0 || g.HistoryCount > kHistoryRows)
    return "HistoryCount " + std::to_string(g.HistoryCount);
  for (int k = 1; k <= 2; ++k) {
    const int checker = g.CheckState(k, kCheckPiece);
    if (checker == 0) continue;
    if (!IsBoardCode(checker)) return "CheckState names code " + std::to_string(checker);
    if (!OnBoard(g.CheckState(k, kCheckFromRow), g.CheckState(k, kCheckFromCol)) ||
        !OnBoard(g.CheckState(k, kCheckKingRow), g.CheckState(k, kCheckKingCol)))
      return "CheckState row " + std::to_string(k) + " names a square off the board";
  }
  if (g.PawnJump.code != 0 &&
      (Magnitude(g.PawnJump.code) != kPawn || (g.PawnJump.row != 3 && g.PawnJump.row != 6) ||
       !OnBoard(g.PawnJump.row, g.PawnJump.col)))
    return "PawnJump holds no passed-over pawn square";
  for (int right : {g.BlackQueenSideOK, g.BlackKingSideOK, g.WhiteQueenSideOK, g.WhiteKingSideOK})
    if (right != 0 && right != 1) return "a castling right is neither 0 nor 1";
  if (g.MsgRow < 1 || g.MsgRow > kScreenRows) return "MsgRow " + std::to_string(g.MsgRow);
  return "";
}

// A chosen move stands on the board: a piece of the side on its from-square.
std::string BrokenChoice(const Board& board, const MoveRecord& move, int side) {
  if (move.piece == 0) return "";
  if (!OnBoard(move.fromRow, move.fromCol) || !OnBoard(move.toRow, move.toCol))
    return "chosen move leaves the board";
  if (move.piece * side <= 0) return "chosen move is a piece of the other side";
  if (board(move.fromRow, move.fromCol) != move.piece) return "chosen piece is not on its square";
  return "";
}

// The move text the mouse reader gives for a move, "WP 75 55".
std::string MoveText(const MoveRecord& move) {
  std::string text;
  PieceTextOfCode(move.piece, text);
  return text + " " + std::to_string(move.fromRow) + std::to_string(move.fromCol) + " " +
         std::to_string(move.toRow) + std::to_string(move.toCol);
}

// The engine's choice for the player's side, with the player's castling
// rights as the turn loop would hand them for that side.
std::string ChooseForPlayer(VirtualConsole& con, GameState& g, MoveRecord& move) {
  const int side = -g.ComputerSide;
  int queenSideOK = side < 0 ? g.BlackQueenSideOK : g.WhiteQueenSideOK;
  int kingSideOK = side < 0 ? g.BlackKingSideOK : g.WhiteKingSideOK;
  if (g.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
      g.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0) {
    queenSideOK = kingSideOK = 0;
  }
  ParseArray parse;
  BuildParseBoard(g.GameBoard, parse);
  const Board boardBefore = g.GameBoard;
  const CheckTable checkBefore = g.CheckState;
  MoveRecord hint;
  ChooseComputerMove(con, g.GameBoard, parse, move, hint, side, queenSideOK, kingSideOK,
                     g.CheckState, g.PawnJump, g.MoveNumber, g.HintLimit);
  if (g.GameBoard != boardBefore) return "choosing changed the board";
  if (g.CheckState != checkBefore) return "choosing changed CheckState";
  return BrokenChoice(g.GameBoard, move, side);
}

// Answers to the promotion question: refused ones first now and then.
void QueuePromotionAnswer(VirtualConsole& con, std::mt19937& rng) {
  static const char* const kRefused[] = {"K", "WK", "::", "P "};
  static const char* const kAccepted[] = {"Q ", "WQ", "BR", "n ", "wb", "BQ"};
  if (rng() % 4 == 0) con.queueLine(kRefused[rng() % 4]);
  con.queueLine(kAccepted[rng() % 6]);
}

// One half-move of the player: the engine's choice typed as a move text and
// handed to the entry interpreter, then executed. An ending is returned when
// the half-move did not happen; a broken invariant goes to failure.
std::optional<Ending> PlayerHalfMove(VirtualConsole& con, GameState& g, std::mt19937& rng,
                                     Step& step, std::string& failure) {
  MoveRecord move;
  failure = ChooseForPlayer(con, g, move);
  if (!failure.empty()) return Ending::Cap;
  if (move.piece == 0) return Ending::PlayerResigned;

  const int farRow = move.piece > 0 ? 1 : 8;
  if (Magnitude(move.piece) == kPawn && move.toRow == farRow) QueuePromotionAnswer(con, rng);
  g.EndReason = kReasonCheckmate;
  g.CaptureFlag = 0;
  g.InputLine = MoveText(move);
  step = InterpretEntry(g, con);
  if (step != Step::MoveExecution) return Ending::MoveRefused;
  step = MoveExecution(g, con);
  if (con.pendingInput() != 0) {
    failure = "the promotion answer was not read";
  }
  return std::nullopt;
}

// One half-move of the computer through TurnTop, answered as the player's.
std::optional<Ending> ComputerHalfMove(VirtualConsole& con, GameState& g, Step& step,
                                       std::string& failure) {
  const Board boardBefore = g.GameBoard;
  const CheckTable checkBefore = g.CheckState;
  step = TurnTop(g, con);
  if (g.GameBoard != boardBefore) failure = "the computer's choice changed the board";
  if (g.CheckState != checkBefore) failure = "the computer's choice changed CheckState";
  if (!failure.empty()) return Ending::Cap;
  if (step == Step::EndGame) return Ending::ComputerResigned;
  if (step != Step::MoveExecution) {
    failure = "TurnTop gave the computer's turn no move";
    return Ending::Cap;
  }
  failure = BrokenChoice(g.GameBoard, g.ComputerMove, g.ComputerSide);
  if (!failure.empty()) return Ending::Cap;
  step = MoveExecution(g, con);
  return std::nullopt;
}

// The end of the game as the turn loop runs it, with Enter for the pause.
void FinishGame(VirtualConsole& con, GameState& g, std::string& failure) {
  con.queueLine("");
  if (EndGame(g, con) != Step::ExitProgram) failure = "EndGame did not end the program";
}

// Which of the three endings of a move ended the game: the draw by its
// reason; a king taken leaves the board as it was, with the king still on
// the destination, while a mating move stands there itself.
Ending EndingOfMove(const GameState& g) {
  if (g.EndReason == kReasonDraw) return Ending::Draw;
  const int target = g.GameBoard(g.ToRow, g.ToCol);
  if (Magnitude(target) == kKing && target * g.MovePiece < 0) return Ending::KingTaken;
  return Ending::Checkmate;
}

}  // namespace

const char* EndingName(Ending ending) {
  switch (ending) {
    case Ending::ComputerResigned: return "computer resigned";
    case Ending::PlayerResigned: return "player side found no move";
    case Ending::Checkmate: return "checkmate";
    case Ending::KingTaken: return "king taken";
    case Ending::Draw: return "repetition draw";
    case Ending::Cap: return "half-move cap";
    case Ending::MoveRefused: return "player's choice refused";
    case Ending::MoveCanceled: return "executed move cancelled";
  }
  return "?";
}

GameReport PlayGame(const GameSetup& setup) {
  GameReport report;
  VirtualConsole con(setup.seed);
  std::mt19937 rng(setup.seed);
  GameState g;
  InitProgramTables(g);

  // The start: the colour pick on "BLACK" or "WHITE", then the level digit.
  con.queueClick(22, setup.computerSide == kBlack ? 10 : 3);
  con.queueClick(22, 2 * setup.level + 3);
  Step step = StartNewGame(g, con);
  if (step != Step::TurnTop || g.ComputerSide != setup.computerSide || g.Level != setup.level) {
    report.failure = "the picks did not start the game asked for";
    return report;
  }

  if (setup.customRows) {
    for (int i = 1; i <= setup.priorCaptures; ++i) {
      g.PlayerCaptures[i] = setup.computerSide == kBlack ? "BP" : "WP";
      g.ComputerCaptures[i] = setup.computerSide == kBlack ? "WP" : "BP";
    }
    g.PlayerCaptureCount = g.ComputerCaptureCount = setup.priorCaptures;
    for (const std::string& row : *setup.customRows) con.queueLine(row);
    con.queueLine("Y");
    con.queueLine(setup.computerSide == kBlack ? "B" : "W");
    if (CreateCommand(g, con).has_value()) {
      report.failure = "CREATE refused a board with both kings";
      return report;
    }
  }

  while (report.halfMoves < setup.halfMoveCap) {
    std::optional<Ending> ending;
    const bool computersTurn = g.ComputerSide * g.MovePiece < 0;
    if (computersTurn) {
      ending = ComputerHalfMove(con, g, step, report.failure);
    } else {
      step = TurnTop(g, con);  // the player's board and status line
      if (step != Step::PlayerPrompt) {
        report.failure = "TurnTop did not prompt the player";
        return report;
      }
      ending = PlayerHalfMove(con, g, rng, step, report.failure);
    }
    if (!report.failure.empty()) return report;
    if (ending == Ending::ComputerResigned || ending == Ending::PlayerResigned) {
      report.ending = *ending;
      if (ending == Ending::PlayerResigned) {
        g.MovePiece = g.ComputerSide;  // as RESIGN leaves it
        g.EndReason = kReasonResigned;
      }
      FinishGame(con, g, report.failure);
      return report;
    }
    if (ending) {
      report.ending = *ending;
      return report;
    }
    ++report.halfMoves;
    report.failure = BrokenInvariant(g);
    if (!report.failure.empty()) return report;
    if (step == Step::EndGame) {
      report.ending = EndingOfMove(g);
      FinishGame(con, g, report.failure);
      return report;
    }
    if (step != Step::TurnTop) {
      report.ending = Ending::MoveCanceled;
      return report;
    }
  }
  report.ending = Ending::Cap;
  return report;
}

std::array<std::string, 8> RandomCustomRows(std::mt19937& rng, int computerSide) {
  static constexpr int kOthers[] = {9, 5, 5, 4, 4, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1};
  for (;;) {
    Board board;
    board.fill(0);
    std::vector<std::pair<int, int>> free;
    for (int r = 1; r <= 8; ++r)
      for (int c = 1; c <= 8; ++c) free.emplace_back(r, c);
    // Takes a random free square, on rows 2 to 7 for a pawn.
    const auto place = [&](int code) {
      for (int tries = 0; tries < 64; ++tries) {
        const std::size_t i = rng() % free.size();
        const auto [r, c] = free[i];
        if (Magnitude(code) == kPawn && (r == 1 || r == 8)) continue;
        board(r, c) = code;
        free.erase(free.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
    };
    place(kKing);
    place(-kKing);
    for (int side : {kWhite, kBlack})
      for (int code : kOthers)
        if (rng() % 2 == 0) place(side * code);
    // One board in four is crowded beyond a normal set, so that a side can
    // lose more pieces than its capture list has slots.
    if (rng() % 4 == 0) {
      for (int extra = static_cast<int>(rng() % 12); extra > 0; --extra) {
        const int side = rng() % 2 == 0 ? kWhite : kBlack;
        place(side * kOthers[rng() % std::size(kOthers)]);
      }
    }

    // The side that moved last must not stand in check.
    int kingRow = 0, kingCol = 0;
    for (int r = 1; r <= 8; ++r)
      for (int c = 1; c <= 8; ++c)
        if (board(r, c) == kKing * computerSide) kingRow = r, kingCol = c;
    if (SquareAttacked(board, kKing * computerSide, kingRow, kingCol)) continue;

    SquareTextGrid texts;
    SquareTextFromBoard(board, texts);
    std::array<std::string, 8> rows;
    for (int r = 1; r <= 8; ++r) {
      for (int c = 1; c <= 8; ++c) {
        // A typed row has no blanks: "::" for every empty square.
        rows[static_cast<std::size_t>(r - 1)] += board(r, c) == 0 ? "::" : texts(r, c);
      }
    }
    return rows;
  }
}

GameSetup RandomSetup(std::uint32_t base, int game, bool custom, int maxLevel, int halfMoveCap) {
  GameSetup setup;
  setup.seed = base * 7919u + static_cast<std::uint32_t>(game);
  std::mt19937 rng(setup.seed);
  setup.level = static_cast<int>(rng() % static_cast<unsigned>(maxLevel + 1));
  setup.computerSide = rng() % 2 == 0 ? kBlack : kWhite;
  if (custom) {
    setup.customRows = RandomCustomRows(rng, setup.computerSide);
    if (rng() % 4 == 0) setup.priorCaptures = 8 + static_cast<int>(rng() % 8);
  }
  setup.halfMoveCap = halfMoveCap;
  return setup;
}

}  // namespace bdvx::soak
