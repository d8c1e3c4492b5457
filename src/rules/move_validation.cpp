// The player's move checked in a fixed order; the first failing check is
// reported on row 23 and the player is asked again with nothing changed.
#include <string>

#include "core/number_text.h"
#include "core/piece_text.h"
#include "rules/castling_rights.h"
#include "rules/move_execution.h"
#include "rules/move_messages.h"
#include "rules/piece_moves.h"

namespace bdvx {
namespace {

bool OffBoard(int n) { return n < 1 || n > 8; }

// "  ILLEGAL: A WN can NEVER move ( 8, 2) To ( 5, 5)        ".
std::string NotAMoveText(const GameState& g) {
  const bool pawn = Magnitude(g.MovePiece) == kPawn;
  return "  ILLEGAL: A " + g.Code2 + (pawn ? " cannot move (" : " can NEVER move (") +
         NumberText(g.TypedFromRow) + "," + NumberText(g.TypedFromCol) + ") To (" +
         NumberText(g.TypedToRow) + "," + NumberText(g.TypedToCol) + ")        ";
}

}  // namespace

Step MoveValidation(GameState& g, MoveReporter& reporter) {
  // The side that moved last may not move again.
  if (g.MovePiece * g.LastMoverSide > 0) {
    const std::string& toMove = g.MovePiece > 0 ? kWordBlack : kWordWhite;
    ShowRefusal(reporter, "  It is " + toMove + "'S move.             ");
    return Step::PlayerPrompt;
  }
  if (OffBoard(g.TypedFromRow) || OffBoard(g.TypedFromCol) || OffBoard(g.TypedToRow) ||
      OffBoard(g.TypedToCol)) {
    ShowRefusal(reporter, "  Invalid input or Off Board. Style: " + g.Code2 + " 75 55");
    return Step::PlayerPrompt;
  }
  if (g.TypedFromRow == g.TypedToRow && g.TypedFromCol == g.TypedToCol) {
    ShowRefusal(reporter, "  TO and FROM squares identical - try again  ");
    return Step::PlayerPrompt;
  }
  if (g.GameBoard(g.TypedFromRow, g.TypedFromCol) != g.MovePiece) {
    std::string sideWord;
    std::string pieceWord;
    NamePiece(g.MovePiece, sideWord, pieceWord);
    ShowRefusal(reporter, "  " + sideWord + pieceWord + " NOT at (" + NumberText(g.TypedFromRow) +
                         NumberText(g.TypedFromCol) + ") ... Check board.         ");
    return Step::PlayerPrompt;
  }
  g.CapturedPiece = g.GameBoard(g.TypedToRow, g.TypedToCol);
  if ((g.CapturedPiece > 0 && g.MovePiece > 0) || (g.CapturedPiece < 0 && g.MovePiece < 0)) {
    ShowRefusal(reporter, "  ILLEGAL: Own piece at destination.       ");
    return Step::PlayerPrompt;
  }

  // The piece's own rule.
  int castleAllowed = 0;
  if (Magnitude(g.MovePiece) == kKing) {
    castleAllowed = CastlePermission(g, g.MovePiece, g.TypedToCol);
  }
  const PawnCapture pawn = TestPawnCapture(g.GameBoard, g.PawnJump, g.TypedFromRow,
                                           g.TypedFromCol, g.TypedToRow, g.TypedToCol);
  g.CaptureFlag = pawn.captureFlag;
  int ruleResult = kRuleNotAMove;
  TestPieceMove(g.MovePiece, g.TypedFromRow, g.TypedFromCol, g.TypedToRow, g.TypedToCol,
                ruleResult, g.CaptureFlag, castleAllowed);
  if (ruleResult == kRuleNeverMoves) {
    ShowRefusal(reporter, "  INVALID PIECE:" + g.Code2);
    return Step::PlayerPrompt;
  }
  if (ruleResult == kRuleNotAMove) {
    ShowRefusal(reporter, NotAMoveText(g));
    return Step::PlayerPrompt;
  }
  if (ruleResult == kRuleCastleRefused) {
    ShowRefusal(reporter, "  ILLEGAL Castle Try - In check or already moved King/Rook");
    return Step::PlayerPrompt;
  }
  // With a castling (4) the path test only looks; the rook moves later.
  ruleResult = TestPathClear(g.GameBoard, g.MovePiece, g.TypedFromRow, g.TypedFromCol,
                             g.TypedToRow, g.TypedToCol, ruleResult, kMoveMode);
  if (ruleResult == 0) {
    ShowRefusal(reporter, "  ILLEGAL: " + g.Code2 + " path blocked or Illegal CASTLE try.     ");
    return Step::PlayerPrompt;
  }

  // Accepted: the message column is cleared for the move's lines.
  g.FromRow = g.TypedFromRow;
  g.FromCol = g.TypedFromCol;
  g.ToRow = g.TypedToRow;
  g.ToCol = g.TypedToCol;
  for (int row = 2; row <= 7; ++row) {
    reporter.line(row, std::string(49, ' '));
  }
  g.MsgRow = 1;
  return Step::MoveExecution;
}

}  // namespace bdvx
