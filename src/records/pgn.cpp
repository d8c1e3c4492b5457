#include "records/pgn.h"

#include <cassert>
#include <optional>
#include <vector>

#include "records/text_file.h"

namespace bdvx {

namespace {

constexpr std::size_t kMovetextWidth = 80;
constexpr const char* kPgnEvent = "BRANDOVEX game";

// "yyyy.mm.dd" from the console's mm-dd-yyyy; unknown parts as "?".
std::string PgnDate(const std::string& dateText) {
  if (dateText.size() != 10) return "????.??.??";
  return dateText.substr(6, 4) + "." + dateText.substr(0, 2) + "." + dateText.substr(3, 2);
}

std::string Tag(const std::string& name, const std::string& value) {
  return "[" + name + " \"" + value + "\"]";
}

// How the record ends: the result, the comment before it, and whether the
// game is over.
struct PgnEnding {
  std::string result;
  std::string comment;
  bool over = true;
};

PgnEnding EndingOf(const GameState& g) {
  if (g.EndReason == kReasonSnapshot) return {"*", "Game saved", false};
  if (g.EndReason == kReasonUserExit) return {"*", "Game left unfinished", false};
  if (g.EndReason == kReasonDraw) {
    return {"1/2-1/2", g.Stalemate ? "Draw by stalemate" : "Draw by repetition"};
  }
  // The winner as the game end names it: the side of MovePiece.
  const bool whiteWins = g.MovePiece >= 0;
  const std::string winner = whiteWins ? "White" : "Black";
  const std::string loser = whiteWins ? "Black" : "White";
  const std::string result = whiteWins ? "1-0" : "0-1";
  if (g.EndReason == kReasonResigned) return {result, loser + " resigns"};
  // A checkmate is the last move recorded, with its mark; a game that ends
  // on " CHECKMATE" otherwise ended by taking a king, a move SAN cannot
  // write, so the moves stop before it.
  if (!g.PgnMoves.empty() && g.PgnMoves.back().ends_with('#')) {
    return {result, winner + " checkmates"};
  }
  return {result, winner + " takes the " + loser + " king"};
}

// The side to move and the move number of a FEN; the standard start ("")
// has White to move in move 1.
struct FenTurn {
  bool whiteToMove = true;
  int number = 1;
};
FenTurn TurnOfFen(const std::string& fen) {
  FenTurn turn;
  Position position;
  std::string error;
  if (!fen.empty() && ParseFen(fen, position, error)) {
    turn.whiteToMove = position.sideToMove == kWhite;
    turn.number = position.fullmoveNumber;
  }
  return turn;
}

// The movetext as words that are never split: "9. e4", "e5", "10. Nf3", or
// "9... e5" when Black moves first; then the comment and the result.
std::vector<std::string> MovetextWords(const GameState& g, const PgnEnding& ending) {
  std::vector<std::string> words;
  auto [whiteToMove, number] = TurnOfFen(g.PgnStartFen);
  for (std::size_t i = 0; i < g.PgnMoves.size(); ++i) {
    const std::string& move = g.PgnMoves[i];
    if (whiteToMove) {
      words.push_back(std::to_string(number) + ". " + move);
    } else {
      words.push_back(i == 0 ? std::to_string(number) + "... " + move : move);
      ++number;
    }
    whiteToMove = !whiteToMove;
  }
  words.push_back("{" + ending.comment + "}");
  words.push_back(ending.result);
  return words;
}

// The words joined by blanks into lines of at most kMovetextWidth characters.
std::vector<std::string> WrapWords(const std::vector<std::string>& words) {
  std::vector<std::string> lines(1);
  for (const std::string& word : words) {
    std::string& line = lines.back();
    if (line.empty()) {
      line = word;
    } else if (line.size() + 1 + word.size() <= kMovetextWidth) {
      line += " " + word;
    } else {
      lines.push_back(word);
    }
  }
  return lines;
}

std::string PlayerName(const GameState& g, int side) {
  return side == g.ComputerSide ? "Computer level " + std::to_string(g.Level) : "Player";
}

// The game's own entries in a day's file: where each begins and ends, when
// its game began ("yyyy.mm.dd hh:mm:ss", from its Date and Time tags) and
// which game of its run it is (its Round). An entry is this game's Event tag
// line, more tag lines, a blank line, the movetext lines (none of them a
// tag) and the blank line after them. Text of any other form is not the
// game's and is never touched.
struct OwnEntry {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string began;
  std::string round;
};

const std::string kOwnEvent = Tag("Event", kPgnEvent);

// The line of text that starts at at, without its line end, and where the
// next line starts.
struct TextLine {
  std::string_view text;
  std::size_t next = 0;
};
TextLine LineAt(std::string_view text, std::size_t at) {
  std::size_t end = text.find('\n', at);
  const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(at, end - at);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return {line, next};
}

// The value of a tag line of the form [Name "value"] with that name, or
// nothing.
std::optional<std::string_view> TagValue(std::string_view line, std::string_view name) {
  const std::string head = "[" + std::string(name) + " \"";
  if (!line.starts_with(head) || !line.ends_with("\"]") || line.size() < head.size() + 2) {
    return std::nullopt;
  }
  return line.substr(head.size(), line.size() - head.size() - 2);
}

// The entry that begins at at with the game's Event line, if the text there
// has the entry's form.
std::optional<OwnEntry> OwnEntryAt(std::string_view text, std::size_t at) {
  std::optional<std::string_view> date, time, round;
  TextLine line = LineAt(text, at);
  std::size_t p = line.next;
  for (line = LineAt(text, p); p < text.size() && line.text.starts_with('[');
       line = LineAt(text, p)) {
    if (!date) date = TagValue(line.text, "Date");
    if (!time) time = TagValue(line.text, "Time");
    if (!round) round = TagValue(line.text, "Round");
    p = line.next;
  }
  if (!date || !time || !round || p >= text.size() || !line.text.empty()) return std::nullopt;
  p = line.next;
  const std::size_t movetext = p;
  const auto movetextLine = [&] { return !line.text.empty() && !line.text.starts_with('['); };
  for (line = LineAt(text, p); p < text.size() && movetextLine(); line = LineAt(text, p)) {
    p = line.next;
  }
  if (p == movetext) return std::nullopt;
  if (p < text.size() && line.text.empty()) p = line.next;  // the blank line after it
  return OwnEntry{at, p, std::string(*date) + " " + std::string(*time), std::string(*round)};
}

std::vector<OwnEntry> OwnEntries(std::string_view text) {
  std::vector<OwnEntry> entries;
  std::size_t at = 0;
  while (at < text.size()) {
    const TextLine line = LineAt(text, at);
    const std::optional<OwnEntry> entry =
        line.text == kOwnEvent ? OwnEntryAt(text, at) : std::nullopt;
    if (entry) entries.push_back(*entry);
    at = entry ? entry->end : line.next;
  }
  return entries;
}

// What goes between text and an entry that follows it: the end of text's
// last line when it has none, and a blank line.
std::string SeparatorAfter(std::string_view text) {
  if (text.empty()) return "";
  std::string separator;
  if (!text.ends_with('\n')) separator += kLineEnd;
  if (!separator.empty() || !(text.ends_with("\n\n") || text.ends_with("\n\r\n"))) {
    separator += kLineEnd;
  }
  return separator;
}

}  // namespace

std::string PgnFileName(const std::string& date) { return "BDVXHIST" + date + ".PGN"; }

std::string PgnEntry(const GameState& g) {
  const PgnEnding ending = EndingOf(g);
  std::vector<std::string> lines = {
      kOwnEvent,
      Tag("Site", "?"),
      Tag("Date", PgnDate(g.PgnStartDate)),
      Tag("Round", std::to_string(g.PgnGameNumber)),
      Tag("White", PlayerName(g, kWhite)),
      Tag("Black", PlayerName(g, kBlack)),
      Tag("Result", ending.result),
      Tag("Time", g.PgnStartTime.size() == 8 ? g.PgnStartTime : "??:??:??"),
  };
  if (!g.PgnStartFen.empty()) {
    lines.push_back(Tag("SetUp", "1"));
    lines.push_back(Tag("FEN", g.PgnStartFen));
  }
  lines.push_back(Tag("Termination", ending.over ? "normal" : "unterminated"));
  lines.push_back("");
  for (const std::string& line : WrapWords(MovetextWords(g, ending))) lines.push_back(line);
  lines.push_back("");
  return JoinLines(lines);
}

std::string WithPgnEntry(std::string_view dayFile, std::string_view entry) {
  const std::vector<OwnEntry> own = OwnEntries(dayFile);
  const std::vector<OwnEntry> added = OwnEntries(entry);
  assert(added.size() == 1);
  const OwnEntry& game = added.front();
  const auto spliced = [&](std::size_t begin, std::string_view between, std::size_t end) {
    return std::string(dayFile.substr(0, begin)) + std::string(between) + std::string(entry) +
           std::string(dayFile.substr(end));
  };
  for (const OwnEntry& e : own) {
    if (e.began == game.began && e.round == game.round) return spliced(e.begin, "", e.end);
  }
  std::size_t at = dayFile.size();
  for (const OwnEntry& e : own) {
    if (e.began > game.began) {
      at = e.begin;
      break;
    }
  }
  return spliced(at, SeparatorAfter(dayFile.substr(0, at)), at);
}

bool WritePgn(const std::string& date, const GameState& g) {
  const std::string fileName = PgnFileName(date);
  std::string dayFile;
  std::string problem;
  if (ReadWholeFile(fileName, kMaxPgnFileBytes, dayFile, problem) == WholeFile::Unreadable) {
    return false;
  }
  return ReplaceFileContent(fileName, WithPgnEntry(dayFile, PgnEntry(g)));
}

}  // namespace bdvx
