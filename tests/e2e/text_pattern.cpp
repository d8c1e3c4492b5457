#include "text_pattern.h"

#include <cctype>

namespace bdvx::e2e {

namespace {

bool IsDigit(char ch) { return std::isdigit(static_cast<unsigned char>(ch)) != 0; }

}  // namespace

bool FitsPattern(std::string_view text, std::string_view pattern) {
  std::size_t at = 0;
  for (const char want : pattern) {
    if (want == '%') {
      if (at >= text.size() || !IsDigit(text[at])) return false;
      while (at < text.size() && IsDigit(text[at])) ++at;
      continue;
    }
    if (at >= text.size()) return false;
    const char got = text[at++];
    if (want == '#' ? !IsDigit(got) : (want != '?' && want != got)) return false;
  }
  return at == text.size();
}

int NumberAfter(std::string_view text, std::string_view marker) {
  const std::size_t found = text.find(marker);
  if (found == std::string_view::npos) return -1;
  std::size_t at = found + marker.size();
  if (at >= text.size() || !IsDigit(text[at])) return -1;
  int number = 0;
  while (at < text.size() && IsDigit(text[at])) number = number * 10 + (text[at++] - '0');
  return number;
}

}  // namespace bdvx::e2e
