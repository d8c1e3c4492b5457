// What the fuzz targets (and the self-play soak) share: a byte reader that
// never runs dry, the tables that turn bytes into piece codes, the game's
// invariants, a console that checks what the game asks of the screen, the
// computer player's choice with the promises it makes, and a private working
// directory for the record files.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "console/virtual_console.h"
#include "core/board.h"
#include "core/game_state.h"
#include "core/piece_text.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"
#include "game/console_reporter.h"

namespace bdvx::fuzz {

// Stops the run with a crash report when a promise of the game is broken.
#define FUZZ_REQUIRE(condition, what)                                                  \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", std::string(what).c_str(), \
                   __FILE__, __LINE__);                                                \
      __builtin_trap();                                                                \
    }                                                                                  \
  } while (0)

// Reads the fuzzer's bytes from the front; past the end every read gives 0,
// so any input decodes to something.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }
  int below(int n) { return byte() % n; }  // 0 .. n-1
  bool flag() { return (byte() & 1) != 0; }
  // Up to maxLength bytes as a text (the first byte gives the length).
  std::string text(int maxLength) {
    std::string out;
    for (int length = below(maxLength + 1); length > 0 && !empty(); --length)
      out.push_back(static_cast<char>(byte()));
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// The codes a board of the game can hold: the pieces and the empty square.
inline bool IsBoardCode(int code) {
  switch (Magnitude(code)) {
    case 0: case 1: case 3: case 4: case 5: case 9: case 10: return true;
    default: return false;
  }
}

// Half of the byte values give an empty square, the rest one of the twelve
// pieces; so random boards are neither empty nor full.
inline int BoardCodeFromByte(std::uint8_t b) {
  static constexpr int kCodes[16] = {1, -1, 3, -3, 4, -4, 5, -5, 9, -9, 10, -10, 1, -1, 1, -1};
  return b < 128 ? 0 : kCodes[b % 16];
}

// Any code at all, for the routines that are called with codes that name no
// piece (magnitudes 2, 6, 7, 8, beyond 10, and commands such as 99).
inline int AnyCodeFromByte(std::uint8_t b) {
  static constexpr int kOdd[16] = {2, -2, 6, -6, 7, -7, 8, -8, 11, -11, 40, -40, 99, -99, 0, 12};
  return (b & 0x80) != 0 ? kOdd[b % 16] : BoardCodeFromByte(static_cast<std::uint8_t>(b | 0x80));
}

inline bool BoardHoldsOnlyPieces(const Board& board) {
  for (int r = 1; r <= 8; ++r)
    for (int c = 1; c <= 8; ++c)
      if (!IsBoardCode(board(r, c))) return false;
  return true;
}

// The first broken invariant of a game that started sound, or "".
inline std::string BrokenState(const GameState& g) {
  if (!BoardHoldsOnlyPieces(g.GameBoard)) return "the board holds a code that names no piece";
  if (g.PlayerCaptureCount < 0 || g.PlayerCaptureCount > kCaptureSlots ||
      g.ComputerCaptureCount < 0 || g.ComputerCaptureCount > kCaptureSlots)
    return "a capture count outside its list";
  if (g.HistoryCount < 0 || g.HistoryCount > kHistoryRows) return "the history count out of range";
  for (int k = 1; k <= 2; ++k) {
    if (g.CheckState(k, kCheckPiece) == 0) continue;
    if (!IsBoardCode(g.CheckState(k, kCheckPiece)) ||
        !OnBoard(g.CheckState(k, kCheckFromRow), g.CheckState(k, kCheckFromCol)) ||
        !OnBoard(g.CheckState(k, kCheckKingRow), g.CheckState(k, kCheckKingCol)))
      return "a check record names no piece or a square off the board";
  }
  if (g.PawnJump.code != 0 &&
      (Magnitude(g.PawnJump.code) != kPawn || (g.PawnJump.row != 3 && g.PawnJump.row != 6) ||
       !OnBoard(g.PawnJump.row, g.PawnJump.col)))
    return "the pawn-jump record names no passed-over square";
  for (int right : {g.BlackQueenSideOK, g.BlackKingSideOK, g.WhiteQueenSideOK, g.WhiteKingSideOK})
    if (right != 0 && right != 1) return "a castling right is neither 0 nor 1";
  if (g.MsgRow < 1 || g.MsgRow > kScreenRows) return "the message row off the screen";
  return "";
}

inline void RequireSoundState(const GameState& g) {
  const std::string broken = BrokenState(g);
  FUZZ_REQUIRE(broken.empty(), broken);
}

// The virtual console that refuses a cursor place off the 80x24 screen or a
// colour outside the palette, and checks the watched game's state each time
// the game waits for input.
class FuzzConsole : public VirtualConsole {
 public:
  explicit FuzzConsole(std::uint32_t seed = 1, const GameState* game = nullptr)
      : VirtualConsole(seed), game_(game) {}
  void locate(int row, int column) override {
    FUZZ_REQUIRE(row >= 1 && row <= kScreenRows && column >= 1 && column <= kScreenCols,
                 "the cursor was sent off the screen");
    VirtualConsole::locate(row, column);
  }
  void setColor(int foreground, int background) override {
    FUZZ_REQUIRE(foreground >= 0 && foreground <= 15 && background >= 0 && background <= 15,
                 "a colour outside the palette");
    VirtualConsole::setColor(foreground, background);
  }
  std::string inputLine() override {
    if (game_ != nullptr) RequireSoundState(*game_);
    return VirtualConsole::inputLine();
  }
  Entry waitEntry(bool acceptLines) override {
    if (game_ != nullptr) RequireSoundState(*game_);
    return VirtualConsole::waitEntry(acceptLines);
  }

 private:
  const GameState* game_;
};

// A chosen or hinted move stands on the board: its piece of the side on its
// from-square, both squares on the board; "" when so (or when there is none).
inline std::string BrokenMove(const Board& board, const MoveRecord& move, int side) {
  if (move.piece == 0) return "";
  if (!OnBoard(move.fromRow, move.fromCol) || !OnBoard(move.toRow, move.toCol))
    return "a chosen move leaves the board";
  if (move.piece * side <= 0 || board(move.fromRow, move.fromCol) != move.piece)
    return "a chosen move is no piece of its side on its square";
  return "";
}

// The computer player's choice for side into g.ComputerMove (and the hint for
// the other side into g.HintMove), with the castling flags the turn loop
// hands it: the side's own rights, none while a check stands. Returns the
// first broken promise: the board and the check record come back untouched,
// the moves are the sides' own.
inline std::string ChooseFor(RandomSource& random, GameState& g, int side, int hintLimit) {
  BuildParseBoard(g.GameBoard, g.ParseBoard);
  const bool checked = g.CheckState(kDirectCheckRow, kCheckPiece) != 0 ||
                       g.CheckState(kDiscoveredCheckRow, kCheckPiece) != 0;
  const int queenSideOK = checked ? 0 : side < 0 ? g.BlackQueenSideOK : g.WhiteQueenSideOK;
  const int kingSideOK = checked ? 0 : side < 0 ? g.BlackKingSideOK : g.WhiteKingSideOK;
  const Board boardBefore = g.GameBoard;
  const CheckTable checkBefore = g.CheckState;
  g.ComputerMove.piece = kNoPiece;
  ChooseComputerMove(random, g.GameBoard, g.ParseBoard, g.ComputerMove, g.HintMove, side,
                     queenSideOK, kingSideOK, g.CheckState, g.PawnJump, g.MoveNumber, hintLimit);
  if (g.GameBoard != boardBefore) return "choosing a move changed the board";
  if (g.CheckState != checkBefore) return "choosing a move changed the check record";
  const std::string broken = BrokenMove(g.GameBoard, g.ComputerMove, side);
  return broken.empty() ? BrokenMove(g.GameBoard, g.HintMove, -side) : broken;
}

// The computer player's choice for side executed as the turn loop executes
// the computer's move.
inline void PlayChoice(VirtualConsole& con, GameState& g, int side, int hintLimit) {
  const std::string broken = ChooseFor(con, g, side, hintLimit);
  FUZZ_REQUIRE(broken.empty(), broken);
  if (g.ComputerMove.piece == 0) return;  // the computer resigns
  g.CapturedPiece = g.CaptureGain = g.CaptureFlag = 0;
  SetMoveFields(g, g.ComputerMove);
  MoveExecution(g, con);
}

// A move as the player types it: "WP 75 55".
inline std::string MoveText(const MoveRecord& move) {
  std::string text;
  PieceTextOfCode(move.piece, text);
  return text + " " + std::to_string(move.fromRow) + std::to_string(move.fromCol) + " " +
         std::to_string(move.toRow) + std::to_string(move.toCol);
}

// A private working directory for the whole process, emptied before every
// input so that no run sees the files of an earlier one, and removed when
// the process ends normally. Its path lives on the heap so that it outlives
// every static destructor that runs before the removal.
inline void FreshScratchDir() {
  static const std::filesystem::path* const dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "bdvx-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    auto* made = new std::filesystem::path(pattern);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
      std::filesystem::remove_all(*dir, ignored);
    });
    return made;
  }();
  std::error_code ec;
  std::filesystem::current_path(*dir, ec);
  for (const auto& entry : std::filesystem::directory_iterator(*dir, ec))
    std::filesystem::remove_all(entry.path(), ec);
}

}  // namespace bdvx::fuzz
