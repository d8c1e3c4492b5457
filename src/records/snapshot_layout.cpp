#include "records/snapshot_layout.h"

#include <cassert>
#include <climits>

#include "core/number_text.h"
#include "core/piece_text.h"

namespace bdvx {

namespace {

const std::string kSnapshotHeader = "BRANDOVEX GAME SNAPSHOT - a game put aside, for LOAD to take up";
const std::string kSnapshotEnd = "EOF";

// Line numbers of the file, counted from 1.
constexpr int SquareLine(int row, int col) { return 8 * row + col - 7; }
constexpr int CheckLine(int checkRow, int element) { return 64 + 2 * element + (checkRow - 1); }
constexpr int ComputerCaptureLine(int slot) { return 85 + 2 * slot; }
constexpr int PlayerCaptureLine(int slot) { return 86 + 2 * slot; }
constexpr int kLetterLine = 76;
constexpr int kLastMoverLine = 77;
constexpr int kComputerSideLine = 78;
constexpr int kMoveNumberLine = 79;
constexpr int kPointsLine = 80;
constexpr int kBlackQueenSideLine = 81;
constexpr int kWhiteQueenSideLine = 82;
constexpr int kBlackKingSideLine = 83;
constexpr int kWhiteKingSideLine = 84;
constexpr int kComputerCountLine = 85;
constexpr int kPlayerCountLine = 86;
constexpr int kMinutesLine = 117;

static_assert(SquareLine(8, 8) == 65 && CheckLine(2, 5) == 75);
static_assert(PlayerCaptureLine(kCaptureSlots) == 116 && kMinutesLine == kSnapshotLinesRead);

// The code of a square text: a piece text ("WP" 1 ... "BK" -10), 0 for the
// two empty-square texts "::" and "  ", nothing for any other text.
std::optional<int> SquareTextCode(std::string_view text) {
  if (text == "::" || text == "  ") return kEmpty;
  for (int kind : {kPawn, kKnight, kBishop, kRook, kQueen, kKing}) {
    if (text == WhiteText(kind)) return kind;
    if (text == BlackText(kind)) return -kind;
  }
  return std::nullopt;
}

// A check record in force stands for the board: its piece on its square and
// the other side's king on the king square. An empty record is not looked at.
bool CheckRecordFitsBoard(const CheckTable& checks, int checkRow, const Board& board) {
  const int code = checks(checkRow, kCheckPiece);
  if (code == kEmpty) return true;
  const int fromRow = checks(checkRow, kCheckFromRow);
  const int fromCol = checks(checkRow, kCheckFromCol);
  const int kingRow = checks(checkRow, kCheckKingRow);
  const int kingCol = checks(checkRow, kCheckKingCol);
  // Squares off the board are refused on their own lines.
  if (!OnBoard(fromRow, fromCol) || !OnBoard(kingRow, kingCol)) return true;
  return board(fromRow, fromCol) == code && board(kingRow, kingCol) == (code > 0 ? -kKing : kKing);
}

// "no White king" or "no Black king" for a board that lacks one, else empty.
std::string MissingKing(const Board& board) {
  for (int king : {kKing, -kKing}) {
    bool found = false;
    for (int row = 1; row <= 8; ++row) {
      for (int col = 1; col <= 8; ++col) found = found || board(row, col) == king;
    }
    if (!found) return king > 0 ? "no White king" : "no Black king";
  }
  return "";
}

// Reads the values of the lines and remembers the first line that holds one
// the game cannot work with.
class LineReader {
 public:
  explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

  // The number on the line; the line is damaged when it lies outside low..high.
  int number(int line, int low = INT_MIN, int high = INT_MAX) {
    const std::optional<int> value = ReadSnapshotNumber(at(line));
    if (!value || *value < low || *value > high) {
      fail(line);
      return 0;
    }
    return *value;
  }

  // A side: -1 or 1.
  int side(int line) {
    const int value = number(line, -1, 1);
    if (value == 0) fail(line);
    return value;
  }

  // A square text: a piece text, "::" or two blanks; its code goes to code.
  std::string squareText(int line, int& code) {
    const std::optional<int> value = SquareTextCode(at(line));
    if (!value) fail(line);
    code = value.value_or(kEmpty);
    return at(line);
  }

  // A capture slot: a piece text, or two blanks for an empty slot.
  std::string slotText(int line) {
    const std::string& text = at(line);
    if (text == "::" || !SquareTextCode(text)) fail(line);
    return text;
  }

  void fail(int line) {
    if (firstBad_ == 0 || line < firstBad_) firstBad_ = line;
  }
  int firstBad() const { return firstBad_; }

 private:
  const std::string& at(int line) const {
    assert(line >= 1 && line <= static_cast<int>(lines_.size()));
    return lines_[static_cast<std::size_t>(line - 1)];
  }

  const std::vector<std::string>& lines_;
  int firstBad_ = 0;
};

}  // namespace

SnapshotFields SnapshotFieldsOf(const GameState& g) {
  SnapshotFields f;
  f.SquareText = g.SquareText;
  f.CheckState = g.CheckState;
  f.PlayerLetter = g.PlayerLetter;
  // The file keeps only the side that moved last; the game holds the code
  // of the piece that moved, whose sign is that side.
  f.LastMoverSide = g.LastMoverSide < 0 ? kBlack : kWhite;
  f.ComputerSide = g.ComputerSide;
  f.MoveNumber = g.MoveNumber;
  f.Points = g.Points;
  f.BlackQueenSideOK = g.BlackQueenSideOK;
  f.WhiteQueenSideOK = g.WhiteQueenSideOK;
  f.BlackKingSideOK = g.BlackKingSideOK;
  f.WhiteKingSideOK = g.WhiteKingSideOK;
  f.ComputerCaptureCount = g.ComputerCaptureCount;
  f.PlayerCaptureCount = g.PlayerCaptureCount;
  f.ComputerCaptures = g.ComputerCaptures;
  f.PlayerCaptures = g.PlayerCaptures;
  f.ElapsedMinutes = g.ElapsedMinutes;
  return f;
}

void StoreSnapshotFields(const SnapshotFields& f, GameState& g) {
  g.SquareText = f.SquareText;
  g.CheckState = f.CheckState;
  g.PlayerLetter = f.PlayerLetter;
  g.LastMoverSide = f.LastMoverSide;
  g.ComputerSide = f.ComputerSide;
  g.MoveNumber = f.MoveNumber;
  g.Points = f.Points;
  g.BlackQueenSideOK = f.BlackQueenSideOK;
  g.WhiteQueenSideOK = f.WhiteQueenSideOK;
  g.BlackKingSideOK = f.BlackKingSideOK;
  g.WhiteKingSideOK = f.WhiteKingSideOK;
  g.ComputerCaptureCount = f.ComputerCaptureCount;
  g.PlayerCaptureCount = f.PlayerCaptureCount;
  g.ComputerCaptures = f.ComputerCaptures;
  g.PlayerCaptures = f.PlayerCaptures;
  g.ElapsedMinutes = f.ElapsedMinutes;
}

std::vector<std::string> SnapshotLines(const SnapshotFields& f) {
  std::vector<std::string> lines;
  lines.reserve(kSnapshotLines);
  lines.push_back(kSnapshotHeader);
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) lines.push_back(f.SquareText(row, col));
  }
  for (int element = 1; element <= 5; ++element) {
    lines.push_back(NumberText(f.CheckState(kDirectCheckRow, element)));
    lines.push_back(NumberText(f.CheckState(kDiscoveredCheckRow, element)));
  }
  lines.push_back(f.PlayerLetter);
  for (int value : {f.LastMoverSide, f.ComputerSide, f.MoveNumber, f.Points, f.BlackQueenSideOK,
                    f.WhiteQueenSideOK, f.BlackKingSideOK, f.WhiteKingSideOK,
                    f.ComputerCaptureCount, f.PlayerCaptureCount}) {
    lines.push_back(NumberText(value));
  }
  for (int slot = 1; slot <= kCaptureSlots; ++slot) {
    lines.push_back(f.ComputerCaptures[slot]);
    lines.push_back(f.PlayerCaptures[slot]);
  }
  lines.push_back(NumberText(f.ElapsedMinutes));
  lines.push_back(kSnapshotEnd);
  assert(lines.size() == static_cast<std::size_t>(kSnapshotLines));
  return lines;
}

std::optional<int> ReadSnapshotNumber(std::string_view line) {
  std::size_t pos = 0;
  while (pos < line.size() && line[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < line.size() && (line[pos] == '-' || line[pos] == '+')) {
    negative = line[pos] == '-';
    ++pos;
  }
  long long value = 0;
  for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
    value = value * 10 + (line[pos] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::string ReadSnapshotFields(const std::vector<std::string>& lines, SnapshotFields& f) {
  if (lines.size() < static_cast<std::size_t>(kSnapshotLinesRead)) {
    return "line " + std::to_string(lines.size() + 1);
  }
  LineReader in(lines);

  // Line 1, the header, is not looked at. The squares are also read as the
  // board they give, for the check records and the kings.
  Board board{};
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      f.SquareText(row, col) = in.squareText(SquareLine(row, col), board(row, col));
    }
  }

  // A check record names a real piece and squares on the board, or is empty.
  for (int checkRow : {kDirectCheckRow, kDiscoveredCheckRow}) {
    const int code = in.number(CheckLine(checkRow, kCheckPiece));
    if (code != 0 && !NamesPiece(code)) in.fail(CheckLine(checkRow, kCheckPiece));
    f.CheckState(checkRow, kCheckPiece) = code;
    for (int element = kCheckFromRow; element <= kCheckKingCol; ++element) {
      const int line = CheckLine(checkRow, element);
      f.CheckState(checkRow, element) = code != 0 ? in.number(line, 1, 8) : in.number(line);
    }
    // A record that does not fit the board would cancel every later move.
    if (!CheckRecordFitsBoard(f.CheckState, checkRow, board)) {
      in.fail(CheckLine(checkRow, kCheckPiece));
    }
  }

  f.PlayerLetter = lines[kLetterLine - 1];
  if (f.PlayerLetter != "W" && f.PlayerLetter != "B") in.fail(kLetterLine);
  // The side that moved last is -1 or 1; older snapshots kept the code of
  // the piece that moved there, and any non-zero value counts by its sign.
  f.LastMoverSide = in.number(kLastMoverLine);
  if (f.LastMoverSide == 0) in.fail(kLastMoverLine);
  f.LastMoverSide = f.LastMoverSide < 0 ? kBlack : kWhite;
  f.ComputerSide = in.side(kComputerSideLine);
  // The computer plays the colour the player does not: a snapshot that gives
  // both the same colour would have the player move for both.
  if ((f.PlayerLetter == "W" && f.ComputerSide == kWhite) ||
      (f.PlayerLetter == "B" && f.ComputerSide == kBlack)) {
    in.fail(kComputerSideLine);
  }
  f.MoveNumber = in.number(kMoveNumberLine, -kSnapshotNumberLimit, kSnapshotNumberLimit);
  f.Points = in.number(kPointsLine, -kSnapshotNumberLimit, kSnapshotNumberLimit);
  f.BlackQueenSideOK = in.number(kBlackQueenSideLine, 0, 1);
  f.WhiteQueenSideOK = in.number(kWhiteQueenSideLine, 0, 1);
  f.BlackKingSideOK = in.number(kBlackKingSideLine, 0, 1);
  f.WhiteKingSideOK = in.number(kWhiteKingSideLine, 0, 1);
  f.ComputerCaptureCount = in.number(kComputerCountLine, 0, kCaptureSlots);
  f.PlayerCaptureCount = in.number(kPlayerCountLine, 0, kCaptureSlots);
  for (int slot = 1; slot <= kCaptureSlots; ++slot) {
    f.ComputerCaptures[slot] = in.slotText(ComputerCaptureLine(slot));
    f.PlayerCaptures[slot] = in.slotText(PlayerCaptureLine(slot));
  }
  // Minutes of play are never negative; the clock's origin is set back by them.
  f.ElapsedMinutes = in.number(kMinutesLine, 0, kSnapshotNumberLimit);
  if (in.firstBad() != 0) return "line " + std::to_string(in.firstBad());
  // A game cannot go on without both kings.
  return MissingKing(board);
}

}  // namespace bdvx
