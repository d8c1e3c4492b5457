// The common execution of every move, the player's after validation and the
// computer's directly: announcement, history, repetition draw, capture,
// castling, promotion, the board change, the check logic with its undo,
// castling rights, points, en passant, capture lists and the hint praise.
#include "rules/move_execution.h"

#include <string>

#include "console/piece_text.h"
#include "rules/capture_list.h"
#include "rules/castling_rights.h"
#include "rules/check.h"
#include "rules/history.h"
#include "rules/move_messages.h"
#include "rules/move_outcome.h"
#include "rules/piece_moves.h"
#include "rules/promotion.h"

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
void AnnounceCapture(GameState& g, Console& con) {
  std::string sideWord;
  std::string pieceWord;
  NamePiece(g.CapturedPiece, sideWord, pieceWord);
  ShowMessage(con, g.MsgRow, " A " + sideWord + pieceWord + " captured.             ");
  if (!g.PlayerLetter.empty() && sideWord[0] == g.PlayerLetter[0]) {
    con.playSound("wav/" + g.Voice + "/CAPTURE.wav", true);
    con.playSound("wav/" + g.Voice + "/" + WithoutTrailingBlanks(pieceWord) + ".wav", true);
  }
  g.CaptureGain = g.ComputerSide * g.CapturedPiece;
}

// The castling rook jumps over the king to the square beside it.
void MoveCastlingRook(GameState& g) {
  const int row = g.FromRow;
  const int corner = g.ToCol == 3 ? 1 : 8;
  const int target = g.ToCol == 3 ? 4 : 6;
  g.GameBoard(row, target) = g.GameBoard(row, corner);
  g.GameBoard(row, corner) = kEmpty;
}

// The en-passant capture of the pawn remembered in PawnJump. Returns false
// when the remembered pawn is the mover's own: the rest of the move's
// bookkeeping is then skipped and PawnJump stays.
bool HandleEnPassant(GameState& g, Console& con) {
  if (g.MovePiece * g.PawnJump.code > 0) return false;
  if (g.PawnJump.row != g.ToRow || g.PawnJump.col != g.ToCol) return true;
  ShowMessage(con, g.MsgRow, " En Passent capture of PAWN.          ");
  g.CapturedPiece = g.PawnJump.code;
  g.CaptureGain = g.ComputerSide * g.CapturedPiece;
  // The taken pawn stands beside the passed-over square, on row 4 for a
  // White taker and on row 5 for a Black one.
  g.GameBoard(g.MovePiece > 0 ? 4 : 5, g.ToCol) = kEmpty;
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

MoveOutcome ExecuteMove(GameState& g, Console& con) {
  MoveOutcome outcome;
  assert(OnBoard(g.FromRow, g.FromCol) && OnBoard(g.ToRow, g.ToCol));

  // Announcement and history.
  std::string sideWord;
  std::string pieceWord;
  NamePiece(g.MovePiece, sideWord, pieceWord);
  PieceTextOfCode(g.MovePiece, g.Code2);
  RecordHistory(g, sideWord + pieceWord);
  ShowMessage(con, g.MsgRow, MoveLine(g, sideWord + pieceWord));

  // The sixth repeating half-move ends the game before it is made.
  if (RepeatedMoves(g)) {
    con.printLine(" DRAW: Both sides made repeating moves.");
    g.EndReason = kReasonDraw;
    outcome.next = Step::EndGame;
    return outcome;
  }

  g.CapturedPiece = g.GameBoard(g.ToRow, g.ToCol);
  if (g.CapturedPiece != 0) AnnounceCapture(g, con);

  // The rules once more, for the squares being executed; for the computer's
  // move this is the only rule check.
  int castleAllowed = 0;
  if (Magnitude(g.MovePiece) == kKing) castleAllowed = CastlePermission(g, g.MovePiece, g.ToCol);
  g.CaptureFlag =
      TestPawnCapture(g.GameBoard, g.PawnJump, g.FromRow, g.FromCol, g.ToRow, g.ToCol).captureFlag;
  int ruleResult = kRuleNotAMove;
  TestPieceMove(g.MovePiece, g.FromRow, g.FromCol, g.ToRow, g.ToCol, ruleResult, g.CaptureFlag,
                castleAllowed);
  if (ruleResult == kRuleNeverMoves) return outcome;  // TurnTop, board untouched

  if (g.CaptureFlag == kCapturePawnJump) {
    g.PawnJump = {g.MovePiece, (g.FromRow + g.ToRow) / 2, g.FromCol};
  }

  const PieceCode pawnBeforePromotion = g.MovePiece;
  bool promoted = false;
  switch (ruleResult) {
    case kRuleNotAMove:
      ShowRefusal(con, "  ILLEGAL: NOT in set of moves for " + g.Code2 + "           ");
      outcome.next = Step::PlayerPrompt;
      return outcome;
    case kRuleCastleRefused:
      ShowMessage(con, g.MsgRow, "  ILLEGAL Castle Attempt       ");
      outcome.next = Step::PlayerPrompt;
      return outcome;
    case kRuleCastle:
      MoveCastlingRook(g);
      ShowMessage(con, g.MsgRow, " CASTLE move: ROOK/KING switch done");
      break;
    case kRulePromotion: {
      // The computer's pawn always becomes a queen; the player chooses.
      int promotionChoice = kQueen;
      if (g.ComputerSide * g.MovePiece < 0) promotionChoice = AskPromotionChoice(g, con);
      g.MovePiece = g.MovePiece * Magnitude(promotionChoice);
      promoted = true;
      std::string choiceSide;
      std::string choiceWord;
      NamePiece(promotionChoice, choiceSide, choiceWord);
      ShowMessage(con, g.MsgRow, " PAWN replaced as a " + choiceWord + " ... WOOT!        ");
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

  const PieceCode movedPieceCode = g.MovePiece;
  const PieceCode destinationBefore = g.GameBoard(g.ToRow, g.ToCol);
  g.GameBoard(g.ToRow, g.ToCol) = g.MovePiece;
  g.GameBoard(g.FromRow, g.FromCol) = kEmpty;

  const AfterMove check = AfterMoveCheck(
      con, g.GameBoard, g.PawnJump, g.CheckState, g.MovePiece, g.FromRow, g.FromCol, g.ToRow,
      g.ToCol, ruleResult, kAnnounceMode, g.LastMoverSide,
      Announcer{g.MsgRow, g.Voice, g.PlayerLetter});
  outcome.checkScore = check.checkScore;

  // A move that leaves the own king attacked is taken back; a castling
  // rook is already back in its corner. History, lines and PawnJump stay.
  if (check.moveCanceled) {
    g.GameBoard(g.FromRow, g.FromCol) = promoted ? pawnBeforePromotion : movedPieceCode;
    g.GameBoard(g.ToRow, g.ToCol) = destinationBefore;
    ShowRefusal(con, "  MOVE CANCELED: KING is (or would be) in CHECK         ");
    outcome.next = Step::PlayerPrompt;
    return outcome;
  }
  if (check.checkScore > kMateThreshold) {
    outcome.next = Step::EndGame;
    return outcome;
  }

  ClearCastlingRights(g, g.MovePiece, g.FromRow, g.FromCol);
  g.Points += destinationBefore * g.ComputerSide;

  if (Magnitude(g.MovePiece) == kPawn &&
      (g.CaptureFlag == kCaptureNone ||
       (g.CaptureFlag == kCaptureDiagonal && g.PawnJump.code != 0))) {
    if (!HandleEnPassant(g, con)) return outcome;
  }

  // After a two-square step PawnJump stays for the opponent's next move.
  if (g.CaptureFlag != kCapturePawnJump) {
    RecordCapture(g);
    g.PawnJump = PawnJumpRecord{};
  }

  if (g.MovePiece == g.HintMove.piece && g.ToRow == g.HintMove.toRow &&
      g.ToCol == g.HintMove.toCol) {
    con.playSound("wav/" + g.Voice + "/applause.wav", false);
    ShowMessage(con, g.MsgRow, " That is an AWESOME move!          ");
  }
  return outcome;
}

Step MoveExecution(GameState& g, Console& con) { return ExecuteMove(g, con).next; }

}  // namespace bdvx
