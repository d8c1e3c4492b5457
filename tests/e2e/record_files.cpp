#include "record_files.h"

#include <algorithm>
#include <ctime>

#include "text_pattern.h"

namespace bdvx::e2e {

bool SplitCrLfLines(const std::string& content, std::vector<std::string>& lines) {
  lines.clear();
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find("\r\n", start);
    if (end == std::string::npos) return false;  // a last line without its ending
    lines.push_back(content.substr(start, end - start));
    if (lines.back().find_first_of("\r\n") != std::string::npos) return false;
    start = end + 2;
  }
  return true;
}

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  return std::string(text, std::strftime(text, sizeof text, "%m-%d-%Y", &local));
}

std::vector<std::string> FileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::ranges::sort(names);
  return names;
}

std::string TranscriptName(const std::filesystem::path& dir, const std::string& dayBefore) {
  std::string found;
  for (const std::string& name : FileNames(dir)) {
    if (!name.starts_with("BDVXHIST") || FitsPattern(name, "BDVXHIST##-##-####.PGN")) continue;
    if (!found.empty() || !FitsPattern(name, "BDVXHIST##-##-####.TXT")) return "";
    found = name;
  }
  if (found != "BDVXHIST" + TodayText() + ".TXT" && found != "BDVXHIST" + dayBefore + ".TXT")
    return "";
  return found;
}

}  // namespace bdvx::e2e
