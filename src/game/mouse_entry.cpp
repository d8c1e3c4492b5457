// The reader of clicks and typed lines. It knows the screen places it answers
// to: the menu line (row 1), the board block of the board display (rows 10-17
// and the CANCEL and HINT labels on row 18), the pick prompts on row 22 and
// the voice list of the VOICE screen.
#include <algorithm>
#include <array>
#include <cassert>
#include <string_view>

#include "core/piece_text.h"
#include "game/entry.h"

namespace bdvx {
namespace {

// While the result is this, no entry has been made yet.
const std::string kNoEntry = "  ";

constexpr int kMenuRow = 1;
constexpr int kLabelRow = 18;
constexpr int kEchoRow = 22;  // the pick prompts and the move echo
constexpr int kEchoClearWidth = 45;

// One click target on a row: columns first to last give the word.
struct Target {
  int first;
  int last;
  std::string_view word;
};

constexpr std::array<Target, 12> kMenuTargets = {{
    {1, 3, "NEW"},       {5, 8, "LOAD"},    {10, 13, "SAVE"},   {15, 20, "CREATE"},
    {22, 25, "HELP"},    {27, 33, "DISPLAY"}, {35, 40, "RESIGN"}, {42, 45, "USCF"},
    {47, 51, "VOICE"},   {53, 57, "ABOUT"}, {59, 62, "EXIT"},
    {78, 80, "PARSE"},  // a target with no label on the screen
}};
constexpr Target kHintTarget = {53, 55, "HINT"};  // the H at column 52 does not count
constexpr Target kCancelTarget = {44, 49, "CANCEL"};
constexpr std::array<Target, 2> kColourTargets = {{{3, 7, "B"}, {10, 14, "W"}}};

// The voice codes on rows 3 to 9 of the VOICE screen, columns 6 to 9.
constexpr int kFirstVoiceRow = 3;
constexpr int kVoiceFirstCol = 6;
constexpr int kVoiceLastCol = 9;
constexpr std::array<std::string_view, 7> kVoiceCodes = {"ENG", "ENR", "ENW", "SPA",
                                                          "SPW", "SFX", "NON"};

// The level digits 0 to 9 stand on the odd columns 3 to 21 of row 22.
constexpr int kFirstLevelCol = 3;
constexpr int kLastLevelCol = 21;

// The pick prompts the caller shows on row 22; a typed line that is no
// answer echoes over them, so the reader puts them back.
constexpr std::string_view kColourPrompt = "  BLACK  WHITE  <-- Pick your color       ";
constexpr std::string_view kLevelPrompt = "  0 1 2 3 4 5 6 7 8 9  <-- Pick difficulty ";

// The board block: screen rows 10 to 17, square texts from column 15 to 37.
constexpr int kBoardTopRow = 10;
constexpr int kBoardBottomRow = 17;
constexpr int kBoardLeftCol = 15;
constexpr int kBoardRightCol = 37;

bool Within(const Target& target, int col) { return col >= target.first && col <= target.last; }

// The word of the target under the column, or no entry.
template <std::size_t N>
std::string WordAt(const std::array<Target, N>& targets, int col) {
  for (const Target& target : targets) {
    if (Within(target, col)) return std::string(target.word);
  }
  return kNoEntry;
}

// The answer of a click that needs no board: a menu word or HINT (mode 2),
// a colour (mode 1), a level digit (mode 4) or a voice code (mode 3).
std::string PickAt(EntryMode mode, int row, int col) {
  switch (mode) {
    case EntryMode::Move:
      if (row == kMenuRow) return WordAt(kMenuTargets, col);
      if (row == kLabelRow && Within(kHintTarget, col)) return std::string(kHintTarget.word);
      break;
    case EntryMode::Colour:
      if (row == kEchoRow) return WordAt(kColourTargets, col);
      break;
    case EntryMode::Level:
      if (row == kEchoRow && col % 2 == 1 && col >= kFirstLevelCol && col <= kLastLevelCol) {
        return std::to_string((col - 1) / 2 - 1);
      }
      break;
    case EntryMode::Voice:
      if (col >= kVoiceFirstCol && col <= kVoiceLastCol && row >= kFirstVoiceRow &&
          row < kFirstVoiceRow + static_cast<int>(kVoiceCodes.size())) {
        return std::string(kVoiceCodes[static_cast<std::size_t>(row - kFirstVoiceRow)]);
      }
      break;
  }
  return kNoEntry;
}

// Maps a click inside the board block to its board square. Columns round to
// the nearest cell, (column - 13) / 3, so 15-17 give 1 ... 36-37 give 8; the
// board is turned when the computer plays White.
bool SquareAt(int screenRow, int screenCol, int computerSide, int& row, int& col) {
  if (screenRow < kBoardTopRow || screenRow > kBoardBottomRow) return false;
  if (screenCol < kBoardLeftCol || screenCol > kBoardRightCol) return false;
  row = screenRow - 9;
  col = std::clamp((screenCol - 13 + 1) / 3, 1, 8);
  if (computerSide == kWhite) {
    row = 9 - row;
    col = 9 - col;
  }
  assert(OnBoard(row, col));
  return true;
}

// A typed line as an entry: trimmed of surrounding blanks.
std::string_view Trimmed(std::string_view line) {
  const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line;
}

// The entry a typed line gives in the mode, or no entry. A move entry takes
// any line that is not blank, as typed, so that "bxc3" and "Bxc3" stay
// apart: a move in any typed form or the first letters of a command. The
// picks take their answers in either case.
std::string TypedEntry(EntryMode mode, std::string_view line) {
  if (mode == EntryMode::Move) {
    const std::string_view text = Trimmed(line);
    return text.empty() ? kNoEntry : std::string(text);
  }
  const std::string text = UpperCased(Trimmed(line));
  switch (mode) {
    case EntryMode::Move:
      break;
    case EntryMode::Colour:
      if (text == "B" || text == "W") return text;
      break;
    case EntryMode::Level:
      if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return text;
      break;
    case EntryMode::Voice:
      if (std::ranges::find(kVoiceCodes, text) != kVoiceCodes.end()) return text;
      break;
  }
  return kNoEntry;
}

// What row 22 shows while the reader waits in the mode.
std::string_view EchoRowText(EntryMode mode) {
  if (mode == EntryMode::Colour) return kColourPrompt;
  if (mode == EntryMode::Level) return kLevelPrompt;
  return {};
}

// Wipes the echo of a typed line from row 22 and writes back what the row
// showed before (a prompt or a half-entered move), or the typed line itself
// cut to the columns the next prompt blanks, leaving the cursor after it.
// typedEnd is the column after the echo.
void RestoreEchoRow(Console& con, std::string_view shown, int typedEnd) {
  const int width = std::max(kEchoClearWidth, typedEnd - 1);
  con.locate(kEchoRow, 1);
  con.print(std::string(static_cast<std::size_t>(width), ' '));
  con.locate(kEchoRow, 1);
  con.print(shown.substr(0, kPromptWidth));
}

// The second half of a move: echoes the chosen piece on row 22, then waits
// for its destination. Returns the move text "WP 75 55", a typed entry that
// replaces the move, or no entry after CANCEL.
std::string CompleteMove(Console& con, const Board& board, int computerSide, int row, int col) {
  std::string from;
  PieceTextOfCode(board(row, col), from);
  from += " " + std::to_string(row) + std::to_string(col);
  const std::string echo = "  " + from;
  con.print(echo);

  while (true) {
    con.pauseAtPrompt(300);
    const Entry entry = con.waitEntry(true);
    if (entry.kind == Entry::Kind::Line) {
      const std::string typed = TypedEntry(EntryMode::Move, entry.text);
      const int typedEnd = static_cast<int>(echo.size() + entry.text.size()) + 1;
      if (typed == kNoEntry) {
        RestoreEchoRow(con, echo, typedEnd);
        continue;
      }
      RestoreEchoRow(con, entry.text, typedEnd);  // the typed line alone on the row
      return typed;
    }
    if (entry.row == kLabelRow && Within(kCancelTarget, entry.col)) {
      con.locate(kEchoRow, 1);
      con.printLine(std::string(kEchoClearWidth, ' '));
      con.locate(kEchoRow, 1);
      return kNoEntry;
    }
    int toRow = 0;
    int toCol = 0;
    // Any square not holding a piece of the player's: an empty one or the computer's.
    if (SquareAt(entry.row, entry.col, computerSide, toRow, toCol) &&
        board(toRow, toCol) * computerSide >= 0) {
      const std::string to = std::to_string(toRow) + std::to_string(toCol);
      con.print(" ");
      con.print(to);
      return from + " " + to;
    }
  }
}

}  // namespace

// Waits for clicks (or a typed line) until they make an entry of the mode.
// Moves need two clicks: a piece of the player's side, then any square not
// holding one; the rules are checked later, not here. The reader pauses with
// its prompt on screen before it waits (500 ms, and 300 ms before the
// destination); a click made during a pause counts, answered after it.
std::string ReadMouseEntry(Console& con, const Board& board, int computerSide,
                           EntryMode mode) {
  std::string result = kNoEntry;
  con.pauseAtPrompt(500);
  // The voice screen leaves row 22 empty: typing echoes there.
  if (mode == EntryMode::Voice) con.locate(kEchoRow, 1);

  while (result == kNoEntry) {
    const Entry entry = con.waitEntry(true);
    if (entry.kind == Entry::Kind::Line) {
      result = TypedEntry(mode, entry.text);
      const int typedEnd = static_cast<int>(entry.text.size()) + 1;
      if (result == kNoEntry) {
        RestoreEchoRow(con, EchoRowText(mode), typedEnd);
        con.locate(kEchoRow, 1);  // the next typing echoes where this one did
      } else if (typedEnd - 1 > kPromptWidth) {
        RestoreEchoRow(con, entry.text, typedEnd);  // an echo too long for the prompt
      }
      continue;
    }
    result = PickAt(mode, entry.row, entry.col);
    int row = 0;
    int col = 0;
    if (mode == EntryMode::Move && SquareAt(entry.row, entry.col, computerSide, row, col) &&
        board(row, col) * computerSide < 0) {
      result = CompleteMove(con, board, computerSide, row, col);
    }
  }
  return result;
}

}  // namespace bdvx
