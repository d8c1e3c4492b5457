// Where the WAV file of a cue is found. The game names a cue by its path
// below the voice folders' parent, "wav/ENG/check.wav"; the file is taken
// from the working directory when it is there (the voices beside the game),
// else from the data an install put beside the program's own folder, so the
// game speaks from any folder whatever the install prefix.
#pragma once

#include <filesystem>
#include <string>

namespace bdvx {

// The file to play for the cue path: the path itself when the working
// directory holds it, else programDir/../share/brandovex/ + path when that
// exists, else the path as given (nothing plays it and the console beeps).
std::string CueFile(const std::string& path, const std::filesystem::path& programDir);

// The folder of the running program, from /proc/self/exe; empty when the
// system does not tell it.
std::filesystem::path ProgramDir();

}  // namespace bdvx
