#include "console/cue_file.h"

#include <system_error>

namespace bdvx {

std::string CueFile(const std::string& path, const std::filesystem::path& programDir) {
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error) || programDir.empty()) return path;
  // Not normalised: ".." is left to the file system, which follows a
  // program folder reached through a link the way the install laid it out.
  const std::filesystem::path installed = programDir / ".." / "share" / "brandovex" / path;
  if (std::filesystem::is_regular_file(installed, error)) return installed.string();
  return path;
}

std::filesystem::path ProgramDir() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path();
}

}  // namespace bdvx
