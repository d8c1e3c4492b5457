// The common execution of every move, the player's after validation and the
// computer's directly: announcement, history, repetition draw, capture,
// castling, promotion, the board change, the check logic with its undo,
// castling rights, points, en passant, capture lists and the hint praise.
#include "rules/move_execution.h"

#include <string>

#include "core/number_text.h"
#include "core/piece_text.h"
#include "rules/capture_list.h"
#include "rules/castling_rights.h"
#include "rules/check.h"
#include "rules/history.h"
#include "rules/move_messages.h"
#include "rules/move_outcome.h"
#include "rules/piece_moves.h"
#include "rules/promotion.h"
#include "rules/san.h"

namespace bdvx {
namespace {

// The move line in the chosen output form:
// " WP- K 4 (From  K 2)" or " WHITE PAWN   At ( 7 5) Moved To ( 5 5)".
std::string MoveLine(const GameState& g, const std::string& pieceName) {
  const bool white = g.MovePiece > 0;
  const int fromRank = white ? 9 - g.FromRow : g.FromRow;
  const int toRank = white ? 9 - g.ToRow : g.ToRow;
  if (g.DescriptiveOutput == 1) {
    return " " + g.Code2 + "-" + g.FileName[g.ToCol] + NumberText(toRank) + " (From " +
           g.FileName[g.FromCol] + NumberText(fromRank) + ")";
  }
  return " " + pieceName + " At (" + NumberText(g.FromRow) + NumberText(g.FromCol) + ")" +
         " Moved To (" + NumberText(g.ToRow) + NumberText(g.ToCol) + ")";
}

std::string WithoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The piece on the destination is announced; the player hears the loss of
// one of their own pieces. CaptureGain is what the player gains by it.
void AnnounceCapture(GameState& g, MoveReporter& reporter) {
  std::string sideWord;
  std::string pieceWord;
  NamePiece(g.CapturedPiece, sideWord, pieceWord);
  ShowMessage(reporter, g.MsgRow, " A " + sideWord + pieceWord + " captured.             ");
  if (!g.PlayerLetter.empty() && sideWord[0] == g.PlayerLetter[0]) {
    reporter.cue("CAPTURE", true);
    reporter.cue(WithoutTrailingBlanks(pieceWord), true);
  }
  g.CaptureGain = g.ComputerSide * g.CapturedPiece;
}

// The castling rook jumps over the king to the square beside it, or goes
// back to its corner when the castling is taken back.
void MoveRook(Board& board, int row, int fromCol, int toCol) {
  board(row, toCol) = board(row, fromCol);
  board(row, fromCol) = kEmpty;
}
void MoveCastlingRook(Board& board, int row, int kingToCol) {
  MoveRook(board, row, CastlingRookCorner(kingToCol), CastlingRookBeside(kingToCol));
}
void PutCastlingRookBack(Board& board, int row, int kingToCol) {
  MoveRook(board, row, CastlingRookBeside(kingToCol), CastlingRookCorner(kingToCol));
}

// The move's MoveRuleResult for the squares being executed, as the rules
// give it, with the capture flag of the step.
int RuleResultOf(const GameState& g, int& captureFlag) {
  int castleAllowed = 0;
  if (Magnitude(g.MovePiece) == kKing) castleAllowed = CastlePermission(g, g.MovePiece, g.ToCol);
  captureFlag =
      TestPawnCapture(g.GameBoard, g.PawnJump, g.FromRow, g.FromCol, g.ToRow, g.ToCol).captureFlag;
  int ruleResult = kRuleNotAMove;
  TestPieceMove(g.MovePiece, g.FromRow, g.FromCol, g.ToRow, g.ToCol, ruleResult, captureFlag,
                castleAllowed);
  return ruleResult;
}

// Would the move stand? The rules and the after-move judgement on a scratch
// copy of the board, so that a repetition is only drawn by a move that
// stands. A promoting pawn is judged as it is: its new piece cannot change
// whether its own king is safe.
bool MoveWouldStand(const GameState& g) {
  int captureFlag = kCaptureNone;
  const int ruleResult = RuleResultOf(g, captureFlag);
  if (ruleResult == kRuleNotAMove || ruleResult == kRuleCastleRefused ||
      ruleResult == kRuleNeverMoves) {
    return false;
  }
  Board board = g.GameBoard;
  CheckTable checkState = g.CheckState;
  int lastMover = g.LastMoverSide;
  const PieceCode destination = board(g.ToRow, g.ToCol);
  if (ruleResult == kRuleCastle) MoveCastlingRook(board, g.FromRow, g.ToCol);
  board(g.ToRow, g.ToCol) = g.MovePiece;
  board(g.FromRow, g.FromCol) = kEmpty;
  return !AfterMoveCheck(board, g.PawnJump, checkState, g.MovePiece, g.FromRow, g.FromCol,
                         g.ToRow, g.ToCol, destination, ruleResult, kAnnounceMode, lastMover)
              .moveCanceled;
}

// What a try that is refused or cancelled must leave exactly as it found
// it: the history, the en-passant memory, the checks and the capture values.
struct TryRecord {
  HistoryMark history;
  PawnJumpRecord pawnJump;
  CheckTable checkState;
  PieceCode capturedPiece = 0;
  int captureGain = 0;

  static TryRecord Of(const GameState& g) {
    return {MarkHistory(g), g.PawnJump, g.CheckState, g.CapturedPiece, g.CaptureGain};
  }
  void restore(GameState& g) const {
    RestoreHistory(g, history);
    g.PawnJump = pawnJump;
    g.CheckState = checkState;
    g.CapturedPiece = capturedPiece;
    g.CaptureGain = captureGain;
  }
};

// The side a move gives check to: "BLACK" after a White move.
const std::string& CheckedSide(const GameState& g) {
  return g.MovePiece >= 0 ? kWordBlack : kWordWhite;
}

// The check lines of the message column, in order: a discovered check, then
// a direct check. The player hears the check cue for each check against
// their own side.
void AnnounceChecks(GameState& g, MoveReporter& reporter, const AfterMove& check) {
  if (check.checkScore == kNoCheck) return;
  const std::string& side = CheckedSide(g);
  const bool playerInCheck = g.PlayerLetter == side.substr(0, 1);
  const auto checkLine = [&](const char* tail) {
    ShowMessage(reporter, g.MsgRow, " " + side + tail);
    if (playerInCheck) reporter.cue("check", true);
  };
  if (check.discoveredCheck) checkLine(" is in CHECK DISCOVERED");
  if (check.directCheck) checkLine(" is in CHECK        ");
}

// The en-passant capture of the pawn remembered in PawnJump. Returns false
// when the remembered pawn is the mover's own: the rest of the move's
// bookkeeping is then skipped and PawnJump stays.
bool HandleEnPassant(GameState& g, MoveReporter& reporter) {
  if (g.MovePiece * g.PawnJump.code > 0) return false;
  if (g.PawnJump.row != g.ToRow || g.PawnJump.col != g.ToCol) return true;
  ShowMessage(reporter, g.MsgRow, " En Passent capture of PAWN.          ");
  g.CapturedPiece = g.PawnJump.code;
  g.CaptureGain = g.ComputerSide * g.CapturedPiece;
  g.GameBoard(EnPassantVictimRow(g.MovePiece), g.ToCol) = kEmpty;
  g.Points += g.CaptureGain;
  return true;
}

// The latest capture goes to the list of the side that made it. CaptureGain
// is only reset at the top of a turn, so the text is taken from it.
void RecordCapture(GameState& g) {
  std::string capturedText = "  ";
  PieceTextOfCode(g.ComputerSide * g.CaptureGain, capturedText);
  if (g.CaptureGain < 0) AppendCapture(g.ComputerCaptures, g.ComputerCaptureCount, capturedText);
  if (g.CaptureGain > 0) AppendCapture(g.PlayerCaptures, g.PlayerCaptureCount, capturedText);
}

}  // namespace

MoveOutcome ExecuteMove(GameState& g, MoveReporter& reporter) {
  MoveOutcome outcome;
  assert(OnBoard(g.FromRow, g.FromCol) && OnBoard(g.ToRow, g.ToCol));
  const TryRecord before = TryRecord::Of(g);
  // A try that does not stand leaves no trace in the game's records; what
  // it showed and played stays on the screen.
  const auto takeBack = [&](Step next) {
    before.restore(g);
    outcome.next = next;
    return outcome;
  };

  // Announcement and history.
  std::string sideWord;
  std::string pieceWord;
  NamePiece(g.MovePiece, sideWord, pieceWord);
  PieceTextOfCode(g.MovePiece, g.Code2);
  RecordHistory(g, sideWord + pieceWord);
  ShowMessage(reporter, g.MsgRow, MoveLine(g, sideWord + pieceWord));

  // The sixth repeating half-move ends the game before it is made.
  if (RepeatedMoves(g) && MoveWouldStand(g)) {
    int drawRow = g.MsgRow;  // the line follows the move line; MsgRow stays
    ShowMessage(reporter, drawRow, " DRAW: Both sides made repeating moves.");
    g.EndReason = kReasonDraw;
    outcome.next = Step::EndGame;
    return outcome;
  }

  g.CapturedPiece = g.GameBoard(g.ToRow, g.ToCol);
  if (g.CapturedPiece != 0) AnnounceCapture(g, reporter);

  // The rules once more, for the squares being executed; for the computer's
  // move this is the only rule check.
  const int ruleResult = RuleResultOf(g, g.CaptureFlag);
  if (ruleResult == kRuleNeverMoves) return takeBack(Step::TurnTop);  // board untouched

  if (g.CaptureFlag == kCapturePawnJump) {
    g.PawnJump = {g.MovePiece, (g.FromRow + g.ToRow) / 2, g.FromCol};
  }

  const PieceCode pawnBeforePromotion = g.MovePiece;
  switch (ruleResult) {
    case kRuleNotAMove:
      ShowRefusal(reporter, "  ILLEGAL: NOT in set of moves for " + g.Code2 + "           ");
      return takeBack(Step::PlayerPrompt);
    case kRuleCastleRefused:
      ShowMessage(reporter, g.MsgRow, "  ILLEGAL Castle Attempt       ");
      return takeBack(Step::PlayerPrompt);
    case kRuleCastle:
      MoveCastlingRook(g.GameBoard, g.FromRow, g.ToCol);
      ShowMessage(reporter, g.MsgRow, " CASTLE move: ROOK/KING switch done");
      break;
    case kRulePromotion: {
      // The computer's pawn always becomes a queen; the player chooses.
      int promotionChoice = kQueen;
      if (g.ComputerSide * g.MovePiece < 0) promotionChoice = AskPromotionChoice(g, reporter);
      g.MovePiece = g.MovePiece * Magnitude(promotionChoice);
      std::string choiceSide;
      std::string choiceWord;
      NamePiece(promotionChoice, choiceSide, choiceWord);
      ShowMessage(reporter, g.MsgRow, " PAWN replaced as a " + choiceWord + " ... WOOT!        ");
      break;
    }
    default:
      break;
  }

  // Taking a king ends the game with the board as it is.
  if (Magnitude(g.GameBoard(g.ToRow, g.ToCol)) == kKing) {
    outcome.kingCaptured = true;
    outcome.next = Step::EndGame;
    return outcome;
  }

  // The move in standard notation, named on the board before it; its check
  // mark follows once the judgement is known.
  const std::string san =
      SanOfMove(g.GameBoard, {pawnBeforePromotion, g.FromRow, g.FromCol, g.ToRow, g.ToCol},
                ruleResult, g.MovePiece);

  const PieceCode destinationBefore = g.GameBoard(g.ToRow, g.ToCol);
  g.GameBoard(g.ToRow, g.ToCol) = g.MovePiece;
  g.GameBoard(g.FromRow, g.FromCol) = kEmpty;

  const AfterMove check =
      AfterMoveCheck(g.GameBoard, g.PawnJump, g.CheckState, g.MovePiece, g.FromRow, g.FromCol,
                     g.ToRow, g.ToCol, destinationBefore, ruleResult, kAnnounceMode,
                     g.LastMoverSide);
  outcome.checkScore = check.checkScore;

  // A move that leaves the own king attacked is taken back whole: the
  // piece (a pawn again after a promotion), the castling rook, the records.
  if (check.moveCanceled) {
    g.GameBoard(g.FromRow, g.FromCol) = pawnBeforePromotion;
    g.GameBoard(g.ToRow, g.ToCol) = destinationBefore;
    if (ruleResult == kRuleCastle) PutCastlingRookBack(g.GameBoard, g.FromRow, g.ToCol);
    ShowRefusal(reporter, "  MOVE CANCELED: KING is (or would be) in CHECK         ");
    outcome.checkScore = kNoCheck;
    return takeBack(Step::PlayerPrompt);
  }
  g.PgnMoves.push_back(san + SanCheckMark(check.checkScore));
  AnnounceChecks(g, reporter, check);

  // Every capture is booked, a mating one too, before the game can end.
  ClearCastlingRights(g, g.MovePiece, g.FromRow, g.FromCol, g.ToRow, g.ToCol);
  g.Points += destinationBefore * g.ComputerSide;

  bool booked = true;  // false: PawnJump remembers the mover's own pawn
  if (Magnitude(g.MovePiece) == kPawn &&
      (g.CaptureFlag == kCaptureNone ||
       (g.CaptureFlag == kCaptureDiagonal && g.PawnJump.code != 0))) {
    booked = HandleEnPassant(g, reporter);
  }

  // After a two-square step PawnJump stays for the opponent's next move.
  if (booked && g.CaptureFlag != kCapturePawnJump) {
    RecordCapture(g);
    g.PawnJump = PawnJumpRecord{};
  }

  if (check.checkScore > kMateThreshold) {
    ShowMessage(reporter, g.MsgRow, " " + CheckedSide(g) + " CHECKMATED                      ");
    outcome.next = Step::EndGame;
    return outcome;
  }
  if (!booked) return outcome;

  if (g.MovePiece == g.HintMove.piece && g.ToRow == g.HintMove.toRow &&
      g.ToCol == g.HintMove.toCol) {
    reporter.cue("applause", false);
    ShowMessage(reporter, g.MsgRow, " That is an AWESOME move!          ");
  }
  return outcome;
}

Step MoveExecution(GameState& g, MoveReporter& reporter) { return ExecuteMove(g, reporter).next; }

}  // namespace bdvx
