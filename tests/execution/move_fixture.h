// A game in memory for the move tests: the state, a virtual console, and the
// two ways a move reaches the execution (the player's through validation, the
// computer's directly), as the turn loop hands them over. Pieces and moves
// are written as the game writes them: "WN 75" a White knight on (7, 5),
// ":: 75" the square emptied, "WN 75 54" a move.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "console/virtual_console.h"
#include "core/game_state.h"
#include "core/piece_text.h"
#include "game/console_reporter.h"
#include "test_support.h"

namespace bdvx::test {

// The code of a piece text; worked out here so that the boards of the tests
// do not rest on the game's own conversion.
inline int CodeOf(std::string_view text) {
  if (text == "::") return kEmpty;
  const auto magnitude = std::string("P NBR   QK").find(text[1]);
  EXPECT_TRUE(text.size() == 2 && magnitude != std::string::npos) << text;
  return (text[0] == 'W' ? 1 : -1) * static_cast<int>(magnitude + 1);
}
// The digit at index i of a square or move text.
inline int Digit(std::string_view text, std::size_t i) { return text[i] - '0'; }

using SquareTexts = std::initializer_list<std::string_view>;

// The board with the listed squares set.
inline Board With(Board board, SquareTexts squares) {
  for (const std::string_view s : squares) {
    if (s.size() != 5) ADD_FAILURE() << "not a square text: " << s;
    else board(Digit(s, 3), Digit(s, 4)) = CodeOf(s.substr(0, 2));
  }
  return board;
}
inline Board Pieces(SquareTexts pieces) { return With(EmptyBoard(), pieces); }
// Black king (1, 5), White king (8, 5) and the listed pieces.
inline Board KingsWith(SquareTexts pieces = {}) {
  return With(Pieces({"BK 15", "WK 85"}), pieces);
}

// Castling rights: White king side, White queen side, Black king side, Black queen side.
inline auto Rights(const GameState& g) {
  return std::tuple(g.WhiteKingSideOK, g.WhiteQueenSideOK, g.BlackKingSideOK, g.BlackQueenSideOK);
}
// Points, and how many pieces the player and the computer have taken.
inline auto Tally(const GameState& g) {
  return std::tuple(g.Points, g.PlayerCaptureCount, g.ComputerCaptureCount);
}
// A message written over a row of 80 x's (MoveGame::Smear): its trailing
// blanks show as the blanks that overwrote the x's.
inline std::string OverSmear(const std::string& message) {
  return message + std::string(80 - message.size(), 'x');
}

class MoveGame {
 public:
  // computerSide -1: the player has White and moves first.
  explicit MoveGame(const Board& board, int computerSide = kBlack) {
    InitProgramTables(g);
    g.GameBoard = board;
    g.ComputerSide = computerSide;
    g.PlayerLetter = computerSide == kBlack ? "W" : "B";
    g.LastMoverSide = g.MovePiece = computerSide;  // the computer counts as having moved last
  }

  // The player's entry at a prompt, as validated; every prompt starts a
  // fresh try with nothing captured.
  Step Enter(const std::string& move) {
    g.CapturedPiece = g.CaptureGain = g.CaptureFlag = 0;
    g.Code2 = move.substr(0, 2);
    g.MovePiece = PieceCodeFromText(g.Code2, g.ComputerSide);
    std::tie(g.TypedFromRow, g.TypedFromCol, g.TypedToRow, g.TypedToCol) =
        std::tuple(Digit(move, 3), Digit(move, 4), Digit(move, 6), Digit(move, 7));
    return MoveValidation(g, con);
  }
  // The player's move from the prompt: validation, then execution.
  Step Player(const std::string& move) {
    const Step step = Enter(move);
    return step == Step::MoveExecution ? MoveExecution(g, con) : step;
  }
  // A new turn of the computer, which enters the execution directly; piece
  // overrides the code of the move's text.
  Step Computer(const std::string& move, int piece = kEmpty) {
    g.CapturedPiece = g.CaptureGain = g.CaptureFlag = 0;
    g.MovePiece = piece != kEmpty ? piece : CodeOf(move.substr(0, 2));
    std::tie(g.FromRow, g.FromCol, g.ToRow, g.ToCol) =
        std::tuple(Digit(move, 3), Digit(move, 4), Digit(move, 6), Digit(move, 7));
    return MoveExecution(g, con);
  }

  // The move of whoever owns the piece: the computer's go straight to the
  // execution.
  Step Move(const std::string& move) {
    const bool computers = CodeOf(std::string_view(move).substr(0, 2)) * g.ComputerSide > 0;
    return computers ? Computer(move) : Player(move);
  }
  // Plays the move and expects the step, the board after it and the whole of
  // each listed row: the text, then blanks.
  void Play(const std::string& move, Step step, const Board& board,
            std::initializer_list<std::pair<int, std::string>> rows = {}) {
    EXPECT_EQ(Move(move), step) << move;
    EXPECT_EQ(g.GameBoard, board) << move;
    for (const auto& [row, text] : rows) EXPECT_TRUE(Shows(row, text)) << move;
  }

  // Whether the row holds the text and blanks after it.
  ::testing::AssertionResult Shows(int row, const std::string& text) const {
    const std::string whole = con.rowText(row);
    if (whole == text + std::string(80 - text.size(), ' ')) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "row " << row << " is \"" << whole << "\", not \"" << text << '"';
  }
  // Fills the first width cells of the row with 'x'.
  void Smear(int row, int width = 80) {
    con.locate(row, 1);
    con.print(std::string(width, 'x'));
  }

  GameState g;
  VirtualConsole con;
};

}  // namespace bdvx::test
