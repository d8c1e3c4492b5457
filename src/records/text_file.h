// Plain text record files of the working directory: whole files replaced
// safely, lines appended in one write, and lines read back with
// either CR LF or LF ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bdvx {

inline constexpr std::string_view kLineEnd = "\r\n";

// The lines, each followed by kLineEnd.
std::string JoinLines(const std::vector<std::string>& lines);

// Flushes what was written to the open file fd to the disk: 0 when done,
// as fsync answers. FlushFileToDisk is fsync itself.
using FlushToDisk = int (*)(int fd);
int FlushFileToDisk(int fd);

// Writes the lines, each followed by CR LF, into a temporary file beside
// fileName, flushes it to disk with flush and renames it over fileName.
// Returns false when any step fails; the earlier file is then untouched and
// no temporary file is left behind.
bool ReplaceTextFile(const std::string& fileName, const std::vector<std::string>& lines,
                     FlushToDisk flush = FlushFileToDisk);

// The same for content written as it stands, byte for byte.
bool ReplaceFileContent(const std::string& fileName, std::string_view content,
                        FlushToDisk flush = FlushFileToDisk);

// A whole file, byte for byte, of at most maxBytes. Missing: no file of that
// name; Unreadable: something else is in the way (not a regular file, no
// permission, a read error, larger than maxBytes), told in problem.
enum class WholeFile { Read, Missing, Unreadable };
WholeFile ReadWholeFile(const std::string& fileName, std::size_t maxBytes, std::string& content,
                        std::string& problem);

// Appends the lines to fileName, each with CR LF, all in one write, so that
// earlier lines are never rewritten. When the file does not exist yet or is
// empty, headerLines go first. Returns false when the lines could not be
// written in full (none of them is left), or when fileName is no regular
// file, a symbolic link, or a file that has another name too: nothing is
// ever written through a link into a file elsewhere.
bool AppendTextLines(const std::string& fileName, const std::vector<std::string>& headerLines,
                     const std::vector<std::string>& lines);

struct TextReadResult {
  enum class Status {
    Read,        // lines holds the first lines of the file (at most the maximum asked)
    CannotOpen,  // no regular file of that name could be opened
    Damaged,     // a line was longer than allowed or could not be read
  };
  Status status = Status::Read;
  int badLine = 0;  // Damaged: the number of the line that failed, from 1
};

// Reads at most maxLines lines of fileName, without their line ends (a CR
// before the LF is dropped; a last line without an end still counts). Lines
// longer than maxLength characters make the file Damaged.
TextReadResult ReadTextLines(const std::string& fileName, int maxLines, std::size_t maxLength,
                             std::vector<std::string>& lines);

}  // namespace bdvx
