#include "game/turn_loop.h"

#include <cassert>
#include <cmath>

#include "console/board_display.h"
#include "console/screens.h"
#include "core/piece_text.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "game/board_report.h"
#include "game/console_reporter.h"
#include "game/game_end.h"
#include "rules/castling_rights.h"
#include "rules/legal_moves.h"
#include "rules/move_messages.h"

namespace bdvx {

int RunGame(GameState& g, Console& con, const GameStart* start) {
  Step step = Step::StartNewGame;
  while (step != Step::ExitProgram) {
    switch (step) {
      case Step::StartNewGame:
        step = StartNewGame(g, con, start);
        start = nullptr;  // NEW starts from the standard position
        break;
      case Step::TurnTop: step = TurnTop(g, con); break;
      case Step::PlayerPrompt: step = PlayerPrompt(g, con); break;
      case Step::MoveExecution: step = MoveExecution(g, con); break;
      case Step::EndGame: step = EndGame(g, con); break;
      case Step::ExitProgram: break;
    }
  }
  return 0;
}

namespace {

// A side to move without a legal move that is not in check is stalemated:
// the game ends as a draw, said in the message column.
bool EndsInStalemate(GameState& g, Console& con, int side) {
  if (!Stalemated(g, side)) return false;
  ConsoleReporter reporter(con, g.Voice);
  const std::string& word = side > 0 ? kWordWhite : kWordBlack;
  ShowMessage(reporter, g.MsgRow, " DRAW: STALEMATE - " + word + " has no legal move.");
  g.EndReason = kReasonDraw;
  g.Stalemate = true;
  return true;
}

// The computer chooses and hands its move to the common execution, or
// resigns when it found none, unless it has none: a stalemate. MoveNumber
// counts the turn either way.
Step ComputerTurn(GameState& g, Console& con) {
  g.ComputerMove.piece = kNoPiece;
  ShowParseReport(con, BuildParseBoard(g.GameBoard, g.ParseBoard));

  // No castling for the computer while a check stands against it.
  const CastleFlags castle = ComputerCastleFlags(g, g.ComputerSide);
  ChooseComputerMove(con, g.GameBoard, g.ParseBoard, g.ComputerMove, g.HintMove,
                     g.ComputerSide, castle.queenSideOK, castle.kingSideOK, g.CheckState,
                     g.PawnJump, g.MoveNumber, g.HintLimit);
  g.MoveNumber += 1;

  if (g.ComputerMove.piece == 0) {
    if (EndsInStalemate(g, con, g.ComputerSide)) return Step::EndGame;
    // MovePiece still holds the player's last piece: the player's side wins.
    ConsoleReporter reporter(con, g.Voice);
    ShowMessage(reporter, g.MsgRow, " This Chess program RESIGNS.");
    reporter.cue("RESIGN", true);
    g.EndReason = kReasonResigned;
    return Step::EndGame;
  }

  assert(Magnitude(g.ComputerMove.piece) <= kKing);
  SetMoveFields(g, g.ComputerMove);
  return Step::MoveExecution;
}

// The board, the flash of the computer's last move and the status line;
// then the player's prompt, unless the player is stalemated.
Step PlayerTurn(GameState& g, Console& con) {
  DrawBoard(con, g.GameBoard, g.ComputerSide, g.ComputerCaptures, g.PlayerCaptures);

  // The computer's move flickers as the piece now on its square, so a
  // promoted pawn shows as its new piece.
  if (g.ComputerMove.piece != 0) {
    g.MovePiece = g.ComputerMove.piece;
    const PieceCode landed = g.GameBoard(g.ComputerMove.toRow, g.ComputerMove.toCol);
    PieceTextOfCode(landed != kEmpty ? landed : g.MovePiece, g.Code2);
    FlashSquare(con, g.Code2, g.ComputerMove);
  }

  const char* word = g.Points >= 0 ? "AHEAD" : "BEHIND";
  g.ElapsedMinutes = static_cast<int>(std::floor((con.timer() - g.StartTime) / 60.0));

  con.locate(20, 1);
  con.print("  Move:");
  con.printNumber(g.MoveNumber);
  con.print(". You are");
  con.printNumber(Magnitude(g.Points));
  con.print(" points ");
  con.print(word);
  con.print(" after");
  con.printNumber(g.ElapsedMinutes);
  con.print(" min. Level:");
  con.printNumber(g.Level);
  con.printLine("   ");
  if (EndsInStalemate(g, con, -g.ComputerSide)) return Step::EndGame;
  return Step::PlayerPrompt;
}

}  // namespace

Step TurnTop(GameState& g, Console& con) {
  g.CapturedPiece = 0;
  g.CaptureGain = 0;
  g.CaptureFlag = 0;
  if (g.ComputerSide * g.MovePiece < 0) return ComputerTurn(g, con);
  return PlayerTurn(g, con);
}

}  // namespace bdvx
