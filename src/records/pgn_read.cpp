// The PGN reader: the last game of a text in PGN's import form, as any
// program may write it.
#include <cctype>
#include <cstdio>
#include <string_view>

#include "records/pgn.h"

namespace bdvx {

namespace {

bool IsResult(std::string_view token) {
  return token == "1-0" || token == "0-1" || token == "1/2-1/2" || token == "*";
}

bool IsSymbolChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("_+#=:-/").find(c) !=
                                                            std::string_view::npos;
}

// A character as an error names it: itself in quotes, or its byte value.
std::string Shown(char c) {
  if (std::isprint(static_cast<unsigned char>(c))) return std::string("\"") + c + "\"";
  char text[16];
  std::snprintf(text, sizeof text, "byte 0x%02x", static_cast<unsigned char>(c));
  return text;
}

// Reads a text from its start to its end, one token at a time, and keeps
// the game it is in and the last game it finished.
class PgnScanner {
 public:
  explicit PgnScanner(std::string_view text) : text_(text) {
    if (text_.starts_with("\xEF\xBB\xBF")) at_ = 3;  // a byte order mark
  }

  bool read(PgnGame& game, std::string& error) {
    while (at_ < text_.size()) {
      if (!step()) {
        error = "line " + std::to_string(problemLine_) + ": " + problem_;
        return false;
      }
    }
    if (depth_ > 0) {
      error = "line " + std::to_string(variationLine_) + ": a variation \"(\" is never closed";
      return false;
    }
    finish();
    if (!haveLast_) {
      error = "holds no game";
      return false;
    }
    game = std::move(last_);
    return true;
  }

 private:
  bool fail(const std::string& problem, int line) {
    problem_ = problem;
    problemLine_ = line;
    return false;
  }
  bool fail(const std::string& problem) { return fail(problem, line_); }

  // The game read so far becomes the last game, if it holds anything.
  void finish() {
    if (!current_.tags.empty() || !current_.moves.empty() || !current_.result.empty()) {
      last_ = std::move(current_);
      haveLast_ = true;
    }
    current_ = PgnGame{};
  }

  void skipToLineEnd() {
    while (at_ < text_.size() && text_[at_] != '\n') ++at_;
  }

  // One step: a line end, blank, comment, escape line, variation mark,
  // tag pair, NAG, mark or symbol.
  bool step() {
    const char c = text_[at_];
    const bool lineStart = at_ == 0 || text_[at_ - 1] == '\n';
    if (c == '\n') {
      ++line_;
      ++at_;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++at_;
    } else if (c == ';' || (c == '%' && lineStart)) {
      skipToLineEnd();
    } else if (c == '{') {
      return skipComment();
    } else if (c == '(') {
      if (depth_++ == 0) variationLine_ = line_;
      ++at_;
    } else if (c == ')') {
      if (depth_ == 0) return fail("\")\" closes no variation");
      --depth_;
      ++at_;
    } else if (c == '[') {
      return readTag();
    } else if (c == '$') {
      const std::size_t digits = ++at_;
      while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
      if (at_ == digits) return fail("\"$\" is not followed by the number of a NAG");
    } else if (c == '.' || c == '!' || c == '?') {
      ++at_;  // the periods after move numbers, and the marks of a move's quality
    } else if (c == '*' || std::isalnum(static_cast<unsigned char>(c))) {
      return readSymbol();
    } else {
      return fail(Shown(c) + " has no place in PGN");
    }
    return true;
  }

  bool skipComment() {
    const int opened = line_;
    for (++at_; at_ < text_.size() && text_[at_] != '}'; ++at_) {
      if (text_[at_] == '\n') ++line_;
    }
    if (at_ == text_.size()) return fail("a comment \"{\" is never closed", opened);
    ++at_;
    return true;
  }

  void skipBlanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }

  // [Name "value"], the value with \" and \\ escaped, all on one line.
  bool readTag() {
    if (depth_ > 0) return fail("a variation \"(\" is never closed", variationLine_);
    const char* form = "a tag pair is not of the form [Name \"value\"]";
    PgnTag tag;
    ++at_;
    skipBlanks();
    while (at_ < text_.size() &&
           (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_')) {
      tag.name += text_[at_++];
    }
    skipBlanks();
    if (tag.name.empty() || at_ >= text_.size() || text_[at_] != '"') return fail(form);
    for (++at_; at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\n'; ++at_) {
      if (text_[at_] == '\\' && at_ + 1 < text_.size() &&
          (text_[at_ + 1] == '"' || text_[at_ + 1] == '\\')) {
        ++at_;
      }
      tag.value += text_[at_];
    }
    if (at_ >= text_.size() || text_[at_] != '"') return fail(form);
    ++at_;
    skipBlanks();
    if (at_ >= text_.size() || text_[at_] != ']') return fail(form);
    ++at_;
    // A tag pair after movetext begins the next game.
    if (!current_.moves.empty()) finish();
    current_.tags.push_back(std::move(tag));
    return true;
  }

  // A move number, a result or a move; inside a variation, nothing.
  bool readSymbol() {
    const std::size_t start = at_;
    if (text_[at_] == '*') {
      ++at_;
    } else {
      while (at_ < text_.size() && IsSymbolChar(text_[at_])) ++at_;
    }
    const std::string_view token = text_.substr(start, at_ - start);
    if (depth_ > 0) return true;
    if (token.find_first_not_of("0123456789") == std::string_view::npos) return true;
    if (IsResult(token)) {
      current_.result = token;
      finish();
      return true;
    }
    if (std::string_view("abcdefghKQRBNO0").find(token[0]) == std::string_view::npos) {
      return fail("\"" + std::string(token) + "\" is neither a move, a move number nor a result");
    }
    current_.moves.emplace_back(token);
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
  int depth_ = 0;          // how many variations are open
  int variationLine_ = 0;  // where the outermost open one began
  PgnGame current_;
  PgnGame last_;
  bool haveLast_ = false;
  std::string problem_;
  int problemLine_ = 0;
};

}  // namespace

std::string PgnGame::tag(std::string_view name) const {
  for (const PgnTag& t : tags) {
    if (t.name == name) return t.value;
  }
  return "";
}

bool ReadLastPgnGame(std::string_view text, PgnGame& game, std::string& error) {
  return PgnScanner(text).read(game, error);
}

}  // namespace bdvx
