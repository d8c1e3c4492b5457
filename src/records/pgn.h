// Games as PGN, the form in which chess programs hand each other games.
// The writer keeps every game of a day in "BDVXHIST" + mm-dd-yyyy + ".PGN",
// beside the transcript, in the order the games began; the reader takes the
// last game of a file written by any program. Reader beside writer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "records/fen.h"

namespace bdvx {

// The file name of the day's PGN: for the date 12-05-2026 (mm-dd-yyyy)
// BDVXHIST12-05-2026.PGN.
std::string PgnFileName(const std::string& date);

// The largest PGN file the game reads: a day's file beyond it is not
// replaced, a game file beyond it is refused.
constexpr std::size_t kMaxPgnFileBytes = 64u << 20;

// The game's own entry in a day's file, every line ended by CR LF: its
// tags (the Date and Time it began at among them), a blank line, the
// movetext from PgnStartFen through PgnMoves ended as EndReason says (a
// finished game with its result, a saved or left one unfinished), a blank
// line.
std::string PgnEntry(const GameState& g);

// The day's file text with the entry in it. The entry replaces the game's
// own earlier entry (this game's Event, the same Date, Time and Round), or goes in
// before the first of the game's entries that began later, or at the end.
// Everything else of the file stays as it was, byte for byte.
std::string WithPgnEntry(std::string_view dayFile, std::string_view entry);

// Writes the game into the PGN of the date (mm-dd-yyyy) in the working
// directory. The day's file is replaced only once the new one is complete;
// returns false when it could not be read or written, the old file intact.
bool WritePgn(const std::string& date, const GameState& g);

// One game of a PGN text: its tag pairs in order, its moves as the SAN
// texts of the main line (move numbers, comments, NAGs and variations left
// out) and its result ("1-0", "0-1", "1/2-1/2", "*"; "" when it has none).
struct PgnTag {
  std::string name;
  std::string value;
};
struct PgnGame {
  std::vector<PgnTag> tags;
  std::vector<std::string> moves;
  std::string result;

  // The value of the tag name, "" when the game has no such tag.
  std::string tag(std::string_view name) const;
};

// Reads the last game of a PGN text, in PGN's import form: tag pairs,
// movetext with move numbers, "{...}" and ";" comments, "(...)" variations,
// "$n" NAGs, "!" and "?" marks, results, and "%" escape lines. Whether the
// moves are legal is not asked. On failure returns false and error names the
// problem: its line, or that the text holds no game.
bool ReadLastPgnGame(std::string_view text, PgnGame& game, std::string& error);

}  // namespace bdvx
