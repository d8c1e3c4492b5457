// The layout of the snapshot file "BDVXSNAP.TXT", one value per line:
//
//   1        header (ignored when read)
//   2..65    square texts, row r column k on line 8r + k - 7: a piece text
//            ("WP" ... "BK"), "::" or two blanks; both kings on the board
//   66..75   check records: line 64 + 2i element (1, i), line 65 + 2i element (2, i);
//            a record in force names the piece on its square and the other
//            side's king on the king square
//   76       PlayerLetter "W" or "B"
//   77, 78   LastMoverSide, ComputerSide (-1 or 1; the computer's is the
//            colour the player's letter does not name)
//   79, 80   MoveNumber, Points
//   81..84   BlackQueenSideOK, WhiteQueenSideOK, BlackKingSideOK, WhiteKingSideOK
//   85, 86   ComputerCaptureCount, PlayerCaptureCount (0..15)
//   87..116  captures: line 85 + 2i computer slot i, line 86 + 2i player slot i
//            (a piece text or two blanks)
//   117      ElapsedMinutes
//   118      "EOF" (not read back)
//
// Numbers are written with one leading blank when not negative. Texts are
// written as they are, blanks included.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"

namespace bdvx {

constexpr int kSnapshotLines = 118;
constexpr int kSnapshotLinesRead = 117;  // the closing "EOF" is not read back

// The longest line a snapshot may hold; anything longer is damage.
constexpr std::size_t kSnapshotMaxLineLength = 256;

// The largest move number, points balance or minutes a snapshot may carry:
// far beyond any game, and small enough that the clock and rating arithmetic
// on them stays within 32 bits.
constexpr int kSnapshotNumberLimit = 1000000;

// The fields of GameState that travel in a snapshot.
struct SnapshotFields {
  SquareTextGrid SquareText{};
  CheckTable CheckState{};
  std::string PlayerLetter;
  int LastMoverSide = 0;
  int ComputerSide = 0;
  int MoveNumber = 0;
  int Points = 0;
  int BlackQueenSideOK = 0;
  int WhiteQueenSideOK = 0;
  int BlackKingSideOK = 0;
  int WhiteKingSideOK = 0;
  int ComputerCaptureCount = 0;
  int PlayerCaptureCount = 0;
  CaptureList ComputerCaptures{};
  CaptureList PlayerCaptures{};
  int ElapsedMinutes = 0;
};

// Copies the snapshot's fields out of the game and back into it; nothing
// else of the game is read or changed.
SnapshotFields SnapshotFieldsOf(const GameState& g);
void StoreSnapshotFields(const SnapshotFields& fields, GameState& g);

// The 118 lines of the file, without line ends.
std::vector<std::string> SnapshotLines(const SnapshotFields& fields);

// A number line read the game's way: leading blanks and a sign accepted,
// reading stops at the first character that cannot continue the number, no
// number gives 0. Empty when the digits do not fit a 32-bit integer.
std::optional<int> ReadSnapshotNumber(std::string_view line);

// Reads lines 1 to 117 (lines[0] is line 1) into fields. Returns an empty
// text when the game can work with what they hold, otherwise what is wrong:
// "line N" for the first line whose value it cannot use (a missing line
// counts as damaged), or "no White king" / "no Black king" for a board
// without one. Fields may then be partly filled and must not be used.
std::string ReadSnapshotFields(const std::vector<std::string>& lines, SnapshotFields& fields);

}  // namespace bdvx
