// The game's three record files as the end-to-end tests read them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bdvx::e2e {

// Splits a file into its lines. False when any line does not end in CR LF
// (or a CR stands anywhere else).
bool SplitCrLfLines(const std::string& content, std::vector<std::string>& lines);

// Today's date as the game names its transcript: mm-dd-yyyy.
std::string TodayText();

// The names of the files in dir, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& dir);

// The day's transcript in dir, "BDVXHIST" + mm-dd-yyyy + ".TXT", when there
// is exactly one such file and its date is today's (or, across midnight,
// the one given); "" otherwise. The PGN beside it does not count.
std::string TranscriptName(const std::filesystem::path& dir, const std::string& dayBefore);

}  // namespace bdvx::e2e
