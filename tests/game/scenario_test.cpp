// Scripted games played through RunGame on the virtual console, each
// compared with the screens the player saw (tests/data/screens/<name>.txt)
// and with every record file it left (tests/data/records/<name>/, each
// file's golden twin named as the game names it, with ".golden"). The
// scripts are tests/data/scenarios/<name>.txt, one input or action a line:
//
//   click R C        a left click at row R, column C while the game waits
//   early R C        a click made before that, in the game's next delay
//   right R C        a right press, which is no click
//   type TEXT        a typed line and Enter ("type" alone: an empty line)
//   clock S          the clock moves on S seconds while the game waits
//   random V ...     the next values the game's random numbers take
//   frames on|off    also keep the screens of the game's plain delays
//   copy FROM TO     a record file copied (a snapshot kept before the next)
//   edit FILE N TEXT line N of a record file replaced (a damaged snapshot)
//   block NAME       a directory in place of a record file; unblock NAME
//   bring DATA NAME  a file of tests/data copied in as NAME
//   time HH:MM:SS    the time of day the console gives from then on
//   start pgn DATA   the game goes on from the last game of a PGN file of
//   start fen FEN    tests/data, or from a FEN (before the game starts)
//
// Everything but the first three kinds and start happens when the game next
// waits for input. BRANDOVEX_UPDATE_GOLDEN=1 writes the golden files instead of
// comparing: only ever after reading every changed screen and file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "console/virtual_console.h"
#include "game/game_start.h"
#include "game/turn_loop.h"
#include "test_support.h"

namespace bdvx::test {
namespace {

namespace fs = std::filesystem;

bool Updating() {
  const char* update = std::getenv("BRANDOVEX_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

// Queues the script's inputs and actions; true when it names a start, read
// into start.
bool QueueScript(VirtualConsole& con, const fs::path& script, GameStart& start) {
  bool started = false;
  std::istringstream in(ReadFile(script));
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string verb, first, second;
    words >> verb;
    const std::string rest = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
    std::istringstream(rest) >> first >> second;
    if (verb == "click" || verb == "early" || verb == "right") {
      const int row = std::stoi(first), col = std::stoi(second);
      con.queueButton(row, col, verb == "right" ? 2 : 1,
                      verb == "early" ? VirtualConsole::Arrival::Early
                                      : VirtualConsole::Arrival::Waiting);
    } else if (verb == "type") {
      con.queueLine(rest);
    } else if (verb == "clock") {
      con.queueAction([&con, seconds = std::stod(first)] { con.advanceClock(seconds); });
    } else if (verb == "random") {
      con.queueAction([&con, rest] {
        std::istringstream values(rest);
        for (double value; values >> value;) con.queueRandom(value);
      });
    } else if (verb == "frames") {
      con.queueAction([&con, on = first == "on"] { con.keepMoments(true, on); });
    } else if (verb == "copy") {
      con.queueAction([first, second] {
        fs::copy_file(first, second, fs::copy_options::overwrite_existing);
      });
    } else if (verb == "edit") {
      const std::size_t textAt = rest.find(' ', first.size() + second.size() + 1);
      const std::string text = textAt == std::string::npos ? "" : rest.substr(textAt + 1);
      con.queueAction([first, n = std::stoi(second), text] { ReplaceLine(first, n, text); });
    } else if (verb == "bring") {
      con.queueAction([from = DataDir() / first, second] { fs::copy_file(from, second); });
    } else if (verb == "time") {
      con.queueAction([&con, first] { con.setTime(first); });
    } else if (verb == "start") {
      const std::string source = rest.substr(first.size() + 1);
      std::string error;
      const bool read = first == "pgn" ? ReadPgnGameStart(DataDir() / source, start, error)
                                       : ReadFenGameStart(source, start, error);
      EXPECT_TRUE(read) << error;
      started = true;
    } else if (verb == "block" || verb == "unblock") {
      con.queueAction([first, block = verb == "block"] {
        fs::remove(first);
        if (block) fs::create_directory(first);
      });
    } else {
      ADD_FAILURE() << script << ":" << number << ": no such script line: " << line;
    }
  }
  return started;
}

// The screens as the golden file holds them: for each kept moment a header
// (its number, what the game waited for, the cursor, the time since the
// program started and the random numbers drawn so far), the sounds played
// since the moment before, then each row whose text ("NN|") or colours
// ("NN:") changed since that moment: every row of the first.
std::string ScreensText(const VirtualConsole& con, const std::string& end) {
  std::string out;
  std::vector<std::string> shown(2 * kScreenRows);
  std::size_t sound = 0;
  const auto sounds = [&](std::size_t until) {
    for (; sound < until; ++sound) {
      const SoundEvent& s = con.sounds()[sound];
      out += "sound " + s.path + (s.wait ? " waited\n" : "\n");
    }
  };
  int index = 0;
  for (const VirtualConsole::Moment& m : con.moments()) {
    char header[96];
    std::snprintf(header, sizeof header, "== %d %s at %d,%d t %.3f draws %d\n", ++index,
                  m.what.c_str(), m.cursorRow, m.cursorCol, m.time - 1000.0, m.randomDraws);
    out += header;
    sounds(m.sounds);
    std::istringstream lines(m.screen);
    std::string line;
    for (std::size_t i = 0; i < shown.size() && std::getline(lines, line); ++i) {
      if (line == shown[i] && index > 1) continue;
      shown[i] = line;
      char row[24];
      std::snprintf(row, sizeof row, "%02zu%c", i / 2 + 1, i % 2 == 0 ? '|' : ':');
      out += row + line + "\n";
    }
  }
  out += "== " + end + "\n";
  sounds(con.sounds().size());
  return out;
}

// Fails with the first line in which got differs from the golden file and,
// for screens, the number of the screen it belongs to; writes the golden
// file instead when updating.
void ExpectGolden(const std::string& got, const fs::path& golden) {
  if (Updating()) {
    fs::create_directories(golden.parent_path());
    std::ofstream(golden, std::ios::binary) << got;
    return;
  }
  ASSERT_TRUE(fs::is_regular_file(golden)) << "no golden file " << golden;
  const auto [number, difference] = FirstDifference(got, ReadFile(golden));
  if (number == 0) return;
  // The screen of that line: the last header before it.
  std::istringstream lines(got);
  std::string line, screen;
  for (int n = 1; n <= number && std::getline(lines, line); ++n) {
    if (line.rfind("== ", 0) == 0) screen = ", screen " + line.substr(3, line.find(' ', 3) - 3);
  }
  ADD_FAILURE() << golden << " differs" << screen << ", at " << difference;
}

// Every regular file of the working directory, byte for byte with its
// golden twin (its name and ".golden", so that no golden file passes for a
// record the game left behind); a missing or an extra file fails.
void ExpectRecords(const fs::path& workDir, const fs::path& goldenDir) {
  std::set<std::string> written, golden;
  for (const fs::directory_entry& e : fs::directory_iterator(workDir)) {
    if (e.is_regular_file()) written.insert(e.path().filename().string());
  }
  if (Updating()) fs::remove_all(goldenDir);
  if (fs::is_directory(goldenDir)) {
    for (const fs::directory_entry& e : fs::directory_iterator(goldenDir)) {
      golden.insert(e.path().stem().string());
    }
  }
  for (const std::string& name : written) {
    if (!Updating() && !golden.count(name)) ADD_FAILURE() << "extra record file " << name;
    if (Updating() || golden.count(name)) {
      ExpectGolden(ReadFile(workDir / name), goldenDir / (name + ".golden"));
    }
  }
  for (const std::string& name : golden) {
    if (!written.count(name)) ADD_FAILURE() << "record file " << name << " was not written";
  }
}

std::vector<std::string> ScenarioNames() {
  std::set<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(DataDir() / "scenarios")) {
    names.insert(e.path().stem().string());
  }
  return {names.begin(), names.end()};
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, ScreensAndRecordsAsTheGoldenFiles) {
  TempWorkDir dir;
  const auto g = std::make_unique<GameState>();
  InitProgramTables(*g);
  VirtualConsole con;
  con.keepMoments(true, false);
  const auto start = std::make_unique<GameStart>();
  const bool started = QueueScript(con, DataDir() / "scenarios" / (GetParam() + ".txt"), *start);
  std::string end = "the script ran out";
  try {
    RunGame(*g, con, started ? start.get() : nullptr);
    end = "the program ended with " + std::to_string(con.pendingInput()) + " inputs unread";
  } catch (const ScriptExhausted&) {
  }
  ExpectGolden(ScreensText(con, end), DataDir() / "screens" / (GetParam() + ".txt"));
  ExpectRecords(dir.path(), DataDir() / "records" / GetParam());
}

INSTANTIATE_TEST_SUITE_P(Scripts, Scenario, ::testing::ValuesIn(ScenarioNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace bdvx::test
