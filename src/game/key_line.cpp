#include <cctype>

#include "game/entry.h"

namespace bdvx {

constexpr std::size_t kMaxKeyLine = 17;

std::string TextField(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  line.remove_prefix(i);
  if (!line.empty() && line.front() == '"') {
    line.remove_prefix(1);
    return std::string(line.substr(0, line.find('"')));
  }
  return std::string(line.substr(0, line.find(',')));
}

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return upper;
}

std::string ReadKeyLine(Console& con) {
  std::string text;
  do {
    text = TextField(con.inputLine());
  } while (text.size() > kMaxKeyLine);
  return UpperCased(text);
}

}  // namespace bdvx
