// Where a cue is found: the working directory's wav/ first, then the voices
// installed beside the program's folder.
#include "console/cue_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace bdvx {
namespace {

namespace fs = std::filesystem;

TEST(CueFile, WorkingDirectoryFirstThenTheInstalledVoicesThenThePathAsGiven) {
  struct Case {
    bool inWorkDir;
    bool installed;
    const char* found;  // "work", "installed" or "none"
  };
  const Case cases[] = {{true, true, "work"}, {false, true, "installed"}, {true, false, "work"},
                        {false, false, "none"}};
  const std::string cue = "wav/ENG/check.wav";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.found) + (c.inWorkDir ? " with" : " without") + " a working copy");
    test::TempWorkDir dir;
    const fs::path program = dir.path() / "prefix" / "bin";
    fs::create_directories(program);
    fs::create_directories("game/wav/ENG");
    fs::create_directories(dir.path() / "prefix/share/brandovex/wav/ENG");
    if (c.inWorkDir) std::ofstream("game/" + cue) << "work";
    if (c.installed) std::ofstream(dir.path() / "prefix/share/brandovex" / cue) << "installed";
    fs::current_path("game");

    const std::string file = CueFile(cue, program);
    const std::string content = fs::exists(file) ? test::ReadFile(file) : "none";
    EXPECT_EQ(content, c.found);
    if (!c.inWorkDir && !c.installed) {
      EXPECT_EQ(file, cue);
    }
  }
}

}  // namespace
}  // namespace bdvx
