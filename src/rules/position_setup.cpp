#include "rules/position_setup.h"

#include "rules/attacks.h"
#include "rules/check.h"

namespace bdvx {

std::string PositionProblem(const Position& position) {
  const Board& board = position.board;
  int whiteKings = 0;
  int blackKings = 0;
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      const PieceCode piece = board(row, col);
      if (piece == kKing) ++whiteKings;
      if (piece == -kKing) ++blackKings;
      if (Magnitude(piece) == kPawn && (row == 1 || row == 8)) {
        return "a pawn stands on rank " + std::to_string(RankOfRow(row));
      }
    }
  }
  if (whiteKings != 1) return "White has " + std::to_string(whiteKings) + " kings, not 1";
  if (blackKings != 1) return "Black has " + std::to_string(blackKings) + " kings, not 1";
  if (KingInCheck(board, -position.sideToMove)) {
    return position.sideToMove > 0 ? "Black is in check with White to move"
                                   : "White is in check with Black to move";
  }
  return "";
}

void RecordChecksAgainst(GameState& g, int side) {
  int king = kKing * side;
  int kingRow = 0;
  int kingCol = 0;
  FindPiece(g.GameBoard, king, kingRow, kingCol);
  Checkers checkers;
  if (king != kNoPiece) checkers = FindCheckers(g.GameBoard, kingRow, kingCol);
  RecordCheckers(g.GameBoard, checkers, kingRow, kingCol, 0, 0, g.CheckState);
}

void PlacePosition(GameState& g, const Position& position) {
  g.GameBoard = position.board;
  g.BlackQueenSideOK = position.BlackQueenSideOK;
  g.WhiteQueenSideOK = position.WhiteQueenSideOK;
  g.BlackKingSideOK = position.BlackKingSideOK;
  g.WhiteKingSideOK = position.WhiteKingSideOK;
  g.PawnJump = position.pawnJump;
  RecordChecksAgainst(g, position.sideToMove);
}

void SetTurn(GameState& g, int sideToMove, int computerSide, int fullmoveNumber) {
  assert(sideToMove == kWhite || sideToMove == kBlack);
  g.ComputerSide = computerSide;
  g.PlayerLetter = computerSide > 0 ? "B" : "W";
  // The side that moved last is the one not to move.
  g.LastMoverSide = -sideToMove;
  g.MovePiece = -sideToMove;
  g.MoveNumber = fullmoveNumber;
  if (sideToMove == kWhite && computerSide == kWhite) g.MoveNumber -= 1;
}

int ChessMoveNumber(const GameState& g, int sideToMove) {
  return g.MoveNumber + (sideToMove == kWhite && g.ComputerSide == kWhite ? 1 : 0);
}

}  // namespace bdvx
