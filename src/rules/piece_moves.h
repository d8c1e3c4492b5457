// The geometry of each piece: whether a step belongs to its moves, whether
// the squares between are free, and whether a pawn may take diagonally.
#pragma once

#include "core/board.h"

namespace bdvx {

// MoveRuleResult: the small integer answer of the move tests.
constexpr int kRuleNotAMove = 0;        // not in the piece's moves, or blocked
constexpr int kRuleOrdinary = 1;
constexpr int kRulePromotion = 2;       // a pawn reaching its far row
constexpr int kRuleCastleRefused = 3;   // a back-row king jump that may not castle
constexpr int kRuleCastle = 4;
constexpr int kRuleAttacksKing = 5;     // from TestGivesCheck only
constexpr int kRuleNeverMoves = 6;      // a code that names no piece
constexpr int kRuleKingMissing = 99;    // from FindPiece only

// CaptureFlag: what travels between the pawn capture test, the pawn rule and
// the caller.
constexpr int kCaptureNone = 0;
constexpr int kCaptureDiagonal = 1;  // an enemy or the en-passant square is there
constexpr int kCapturePawnJump = 2;  // the pawn made its two-square first step

// The castling rook of a king jumping to kingToCol: the corner it starts in
// and the column beside the king it goes to.
constexpr int CastlingRookCorner(int kingToCol) { return kingToCol == 3 ? 1 : 8; }
constexpr int CastlingRookBeside(int kingToCol) { return kingToCol == 3 ? 4 : 6; }

constexpr int kAttackMode = 1;  // TestPathClear: only ask whether it attacks
constexpr int kMoveMode = 0;

// Dispatches on the piece's magnitude. An empty code (0) writes nothing, so
// result keeps what the caller put there. captureFlag goes in to the pawn
// rule (1 allows a diagonal step) and may come out as 2.
void TestPieceMove(int piece, int fromRow, int fromCol, int toRow, int toCol,
                   int& result, int& captureFlag, int castleAllowed);

struct PawnCapture {
  int captureFlag = kCaptureNone;
  int enPassantPiece = 0;  // the pawn an en-passant step would take
};
// For a pawn on the from-square: may it step diagonally onto the destination?
PawnCapture TestPawnCapture(const Board& board, const PawnJumpRecord& pawnJump,
                            int fromRow, int fromCol, int toRow, int toCol);

// 1 when nothing stands in the way, 0 when blocked. For a king's castling
// jump in move mode with a ruleResult other than 4, it also moves the rook.
int TestPathClear(Board& board, int piece, int fromRow, int fromCol, int toRow,
                  int toCol, int ruleResult, int attackMode);
// The same question for callers that only test (attack mode never moves a rook).
int TestPathClearAttack(const Board& board, int piece, int fromRow, int fromCol,
                        int toRow, int toCol, int ruleResult);
// The move-mode answer over a board it never changes: the rook jump of a
// castling try with a result other than 4 is left out.
int TestPathClearMoveOnly(const Board& board, int piece, int fromRow, int fromCol,
                          int toRow, int toCol, int ruleResult);

}  // namespace bdvx
