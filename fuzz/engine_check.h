// The computer's choice as the turn loop makes it, with the promises the
// engine gives its caller checked on the way out.
#pragma once

#include "core/game_state.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "fuzz_support.h"

namespace bdvx::fuzz {

// The computer's castle flags as the turn loop hands them: its own pair of
// rights, both 0 while a check is recorded.
inline void CastleFlagsFor(const GameState& g, int side, int& queenSideOK, int& kingSideOK) {
  queenSideOK = side < 0 ? g.BlackQueenSideOK : g.WhiteQueenSideOK;
  kingSideOK = side < 0 ? g.BlackKingSideOK : g.WhiteKingSideOK;
  if (g.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
      g.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0) {
    queenSideOK = 0;
    kingSideOK = 0;
  }
}

// A chosen or hinted move stands on the board: its piece of the given side
// on its from-square, both squares on the board.
inline void RequireMoveOfSide(const Board& board, const MoveRecord& move, int side,
                              const char* what) {
  if (move.piece == 0) return;
  FUZZ_REQUIRE(OnBoard(move.fromRow, move.fromCol) && OnBoard(move.toRow, move.toCol), what);
  FUZZ_REQUIRE(move.piece * side > 0, what);
  FUZZ_REQUIRE(board(move.fromRow, move.fromCol) == move.piece, what);
}

// Builds the parse array and lets the engine choose for side, as the turn
// loop does; the board and the check record must come back untouched.
inline void ChooseAndCheck(RandomSource& random, GameState& g, int side, int moveNumber,
                           int hintLimit) {
  BuildParseBoard(g.GameBoard, g.ParseBoard);
  int queenSideOK = 0;
  int kingSideOK = 0;
  CastleFlagsFor(g, side, queenSideOK, kingSideOK);
  const Board boardBefore = g.GameBoard;
  const CheckTable checkBefore = g.CheckState;
  g.ComputerMove.piece = kNoPiece;
  ChooseComputerMove(random, g.GameBoard, g.ParseBoard, g.ComputerMove, g.HintMove, side,
                     queenSideOK, kingSideOK, g.CheckState, g.PawnJump, moveNumber, hintLimit);
  FUZZ_REQUIRE(g.GameBoard == boardBefore, "ChooseComputerMove changed the board");
  FUZZ_REQUIRE(g.CheckState == checkBefore, "ChooseComputerMove changed CheckState");
  RequireMoveOfSide(g.GameBoard, g.ComputerMove, side, "chosen move is no move of the side");
  RequireMoveOfSide(g.GameBoard, g.HintMove, -side, "hint is no move of the other side");
}

}  // namespace bdvx::fuzz
