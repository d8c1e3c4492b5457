// The one record of the game in progress. The main program owns the only
// instance; every routine receives the fields it needs by reference.
#pragma once

#include <string>
#include <vector>

#include "core/board.h"

namespace bdvx {

constexpr int kHistoryRows = 300;
using HistoryTable = Grid<std::string, kHistoryRows, 2>;
constexpr int kDescriptive = 1;  // history column 1: " K4" style
constexpr int kRowCol = 2;       // history column 2: "55" style

// The reasons a game ends or a transcript is written.
inline const std::string kReasonCheckmate = " CHECKMATE";
inline const std::string kReasonResigned = " RESIGNED ";
inline const std::string kReasonDraw = " **DRAW** ";
inline const std::string kReasonUserExit = " USEREXIT";
inline const std::string kReasonSnapshot = " SNAPSHOT";

// The five-letter side words used for "It is ...'S move." and the winner.
inline const std::string kWordBlack = "BLACK";
inline const std::string kWordWhite = "WHITE";

struct GameState {
  // Boards.
  Board InitialBoard{};
  Board GameBoard{};
  ParseArray ParseBoard{};
  SquareTextGrid SquareText{};

  // Sides and turn.
  int ComputerSide = kBlack;
  std::string PlayerLetter = "W";
  PieceCode MovePiece = -1;
  int LastMoverSide = -1;

  // Difficulty, hints and the computer's move.
  int Level = 0;
  int HintLimit = 2;
  MoveRecord ComputerMove{};
  MoveRecord HintMove{};

  // Clock, counters and score.
  double StartTime = 0.0;
  int ElapsedMinutes = 0;
  int MoveNumber = 1;
  int Points = 0;
  CaptureList PlayerCaptures{};
  CaptureList ComputerCaptures{};
  int PlayerCaptureCount = 0;
  int ComputerCaptureCount = 0;

  // Rules memory.
  int BlackQueenSideOK = 1;
  int BlackKingSideOK = 1;
  int WhiteQueenSideOK = 1;
  int WhiteKingSideOK = 1;
  CheckTable CheckState{};
  PawnJumpRecord PawnJump{};

  // History: column 1 descriptive form, column 2 row/column form.
  int HistoryCount = 0;
  HistoryTable HistPiece{};
  HistoryTable HistFrom{};
  HistoryTable HistTo{};

  // The game for PGN: the FEN of the position its moves start from ("" for
  // the standard start) and, in standard algebraic notation, every half-move
  // that stood since then, without the history's limit of rows. The date
  // (mm-dd-yyyy) and time (hh:mm:ss) it began at, and its number among the
  // games of the run, tell it from the other games of the day's file.
  std::string PgnStartFen;
  std::vector<std::string> PgnMoves;
  std::string PgnStartDate;
  std::string PgnStartTime;
  int PgnGameNumber = 0;

  // Presentation and ending.
  std::string Voice = "ENG";
  int DescriptiveOutput = 0;
  int MsgRow = 1;
  std::string EndReason = kReasonCheckmate;
  bool Stalemate = false;  // the draw came from a side left without a legal move
  std::string Winner;

  // Working fields of the current turn.
  std::string InputLine;
  std::string Code2;
  int TypedFromRow = 0;
  int TypedFromCol = 0;
  int TypedToRow = 0;
  int TypedToCol = 0;
  int FromRow = 0;
  int FromCol = 0;
  int ToRow = 0;
  int ToCol = 0;
  PieceCode CapturedPiece = 0;
  int CaptureGain = 0;
  int CaptureFlag = 0;
  // The piece a typed move names for its promoting pawn ("e8=N"), taken as
  // the promotion's answer without asking; 0 asks.
  PieceCode NamedPromotion = 0;

  // Descriptive file names of the columns, "QR" ... "KR".
  List<std::string, 8> FileName{};
};

// The hint limit of a level: for how many of its moves the computer looks at
// the player's best reply (the whole game at level 9).
int HintLimitOfLevel(int level);

// Fills the fixed tables once at program start: FileName, InitialBoard, Voice.
void InitProgramTables(GameState& g);

// Hands a move record to the move being executed: MovePiece and the squares.
void SetMoveFields(GameState& g, const MoveRecord& move);

// Descriptive square: file name of the column and the rank counted from the
// mover's home row (" K" and 4 for a White piece on (5, 5)).
std::string DescriptiveSquare(const GameState& g, PieceCode piece, int row, int col);

}  // namespace bdvx
