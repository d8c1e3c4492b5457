#include "records/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace bdvx {

namespace {

// Writes all of text to fd, going on after interruptions and short writes,
// and counts the bytes that went out. A line handed over whole normally goes
// out in one write.
bool WriteAll(int fd, std::string_view text, off_t& written) {
  while (!text.empty()) {
    const ssize_t count = ::write(fd, text.data(), text.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (count == 0) return false;
    written += count;
    text.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

}  // namespace

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

namespace {

// The permissions a new file gets from the player's umask, as a plain
// create would give it (a temporary file starts private).
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Makes the rename itself durable; the file is already complete, so a
// failure here is not a lost record.
void SyncWorkingDirectory() {
  const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

bool IsRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

off_t FileSize(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 ? info.st_size : -1;
}

}  // namespace

int FlushFileToDisk(int fd) { return ::fsync(fd); }

bool ReplaceTextFile(const std::string& fileName, const std::vector<std::string>& lines,
                     FlushToDisk flush) {
  return ReplaceFileContent(fileName, JoinLines(lines), flush);
}

bool ReplaceFileContent(const std::string& fileName, std::string_view content,
                        FlushToDisk flush) {
  std::string tempName = fileName + ".new-XXXXXX";
  const int fd = ::mkstemp(tempName.data());
  if (fd < 0) return false;
  ::fchmod(fd, NewFileMode());  // best effort: some file systems keep their own modes

  off_t written = 0;
  bool ok = WriteAll(fd, content, written) && flush(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(tempName.c_str(), fileName.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(tempName.c_str());
    return false;
  }
  SyncWorkingDirectory();
  return true;
}

bool AppendTextLines(const std::string& fileName, const std::vector<std::string>& headerLines,
                     const std::vector<std::string>& lines) {
  // O_NONBLOCK keeps a FIFO in the way from hanging the game; a regular file
  // ignores it. O_NOFOLLOW refuses a symbolic link in the file's place, and a
  // file with a second name is refused below: the lines would land in a file
  // that may lie outside the working directory.
  const int flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW;
  int fd = ::open(fileName.c_str(), flags | O_CREAT | O_EXCL, 0666);
  const bool created = fd >= 0;
  if (!created && errno == EEXIST) fd = ::open(fileName.c_str(), flags);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
    ::close(fd);
    return false;
  }

  // Everything goes out in one write, the header too when the file is still
  // empty (also one left empty by a game that stopped right after creating
  // it), so a crash leaves whole lines only.
  const off_t sizeBefore = info.st_size;
  const std::string text = (sizeBefore == 0 ? JoinLines(headerLines) : "") + JoinLines(lines);
  off_t written = 0;
  bool ok = WriteAll(fd, text, written) && ::fsync(fd) == 0;

  // A line cut off by a full disk is taken back, unless someone else has
  // appended meanwhile, so the file keeps whole lines only.
  if (!ok && written > 0 && FileSize(fd) == sizeBefore + written) {
    if (::ftruncate(fd, sizeBefore) != 0) {
      // Nothing more can be done; the earlier lines are still whole.
    }
  }
  if (::close(fd) != 0) ok = false;

  // A scorecard we created but could not finish would lack its header for
  // good; remove it so the next game starts it afresh.
  if (!ok && created) ::unlink(fileName.c_str());
  return ok;
}

WholeFile ReadWholeFile(const std::string& fileName, std::size_t maxBytes, std::string& content,
                        std::string& problem) {
  content.clear();
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    problem = std::strerror(errno);
    return errno == ENOENT ? WholeFile::Missing : WholeFile::Unreadable;
  }
  const auto refuse = [&](const char* why) {
    problem = why;
    ::close(fd);
    content.clear();
    return WholeFile::Unreadable;
  };
  if (!IsRegularFile(fd)) return refuse("not a regular file");
  char buffer[65536];
  while (true) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return refuse(std::strerror(errno));
    if (count == 0) break;
    if (content.size() + static_cast<std::size_t>(count) > maxBytes) return refuse("too large");
    content.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(fd);
  return WholeFile::Read;
}

TextReadResult ReadTextLines(const std::string& fileName, int maxLines, std::size_t maxLength,
                             std::vector<std::string>& lines) {
  using Status = TextReadResult::Status;
  lines.clear();
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {Status::CannotOpen, 0};
  if (!IsRegularFile(fd)) {
    ::close(fd);
    return {Status::CannotOpen, 0};
  }

  const auto limit = static_cast<std::size_t>(maxLines);
  const auto damaged = [&] {
    ::close(fd);
    return TextReadResult{Status::Damaged, static_cast<int>(lines.size()) + 1};
  };
  // Ends the line being gathered; false when it is too long.
  std::string current;
  const auto finishLine = [&] {
    if (!current.empty() && current.back() == '\r') current.pop_back();
    if (current.size() > maxLength) return false;
    lines.push_back(std::move(current));
    current.clear();
    return true;
  };

  char buffer[4096];
  while (lines.size() < limit) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      return damaged();
    }
    if (count == 0) {
      // A last line without a line end still counts.
      if (!current.empty() && !finishLine()) return damaged();
      break;
    }
    for (ssize_t i = 0; i < count && lines.size() < limit; ++i) {
      if (buffer[i] == '\n') {
        if (!finishLine()) return damaged();
      } else {
        current += buffer[i];
        if (current.size() > maxLength + 1) return damaged();  // room for the CR
      }
    }
  }
  ::close(fd);
  return {Status::Read, 0};
}

}  // namespace bdvx
