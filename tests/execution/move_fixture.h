// A game in memory for the move tests: the state, a virtual console, and the
// two ways a move reaches the execution (the player's through validation, the
// computer's directly), as the turn loop hands them over.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "console/piece_text.h"
#include "console/virtual_console.h"
#include "game/game_state.h"
#include "rules/move_execution.h"
#include "test_support.h"

namespace bdvx::test {

class MoveGame {
 public:
  // computerSide -1: the player has White and moves first.
  explicit MoveGame(const Board& board, int computerSide = kBlack) {
    InitProgramTables(g);
    g.GameBoard = board;
    g.ComputerSide = computerSide;
    g.PlayerLetter = computerSide == kBlack ? "W" : "B";
    g.LastMoverSide = computerSide;  // the computer counts as having moved last
    g.MovePiece = computerSide;
  }

  // The top of a turn: nothing captured yet.
  void NewTurn() {
    g.CapturedPiece = 0;
    g.CaptureGain = 0;
    g.CaptureFlag = 0;
  }

  // The player's entry "WP 75 55" at a prompt of the same turn, as validated.
  Step Enter(const std::string& code2, int fromRow, int fromCol, int toRow, int toCol) {
    g.CapturedPiece = 0;  // every prompt starts a fresh try
    g.CaptureGain = 0;
    g.Code2 = code2;
    g.MovePiece = PieceCodeFromText(g.Code2, g.ComputerSide);
    g.TypedFromRow = fromRow;
    g.TypedFromCol = fromCol;
    g.TypedToRow = toRow;
    g.TypedToCol = toCol;
    g.CaptureFlag = 0;
    return MoveValidation(g, con);
  }

  // The player's move from the prompt: validation, then execution.
  Step Retry(const std::string& code2, int fromRow, int fromCol, int toRow, int toCol) {
    const Step step = Enter(code2, fromRow, fromCol, toRow, toCol);
    if (step != Step::MoveExecution) return step;
    return MoveExecution(g, con);
  }

  // A new turn of the player.
  Step Player(const std::string& code2, int fromRow, int fromCol, int toRow, int toCol) {
    NewTurn();
    return Retry(code2, fromRow, fromCol, toRow, toCol);
  }

  // A new turn of the computer, which enters the execution directly.
  Step Computer(int piece, int fromRow, int fromCol, int toRow, int toCol) {
    NewTurn();
    g.MovePiece = piece;
    g.FromRow = fromRow;
    g.FromCol = fromCol;
    g.ToRow = toRow;
    g.ToCol = toCol;
    return MoveExecution(g, con);
  }

  // The first length characters of a screen row.
  std::string Row(int row, std::size_t length) const {
    return con.rowText(row).substr(0, length);
  }
  // The row's text without its trailing blanks.
  std::string Trimmed(int row) const {
    std::string text = con.rowText(row);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  }

  GameState g;
  VirtualConsole con;
};

// Black king (1, 5) and White king (8, 5) and nothing else but the pieces
// a test adds.
inline Board KingsOnly() {
  Board board = EmptyBoard();
  board(1, 5) = -kKing;
  board(8, 5) = kKing;
  return board;
}

}  // namespace bdvx::test
