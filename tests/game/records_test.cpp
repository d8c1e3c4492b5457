// The record files below what a scenario reaches: snapshots LOAD refuses or
// takes back field by field, the rating of finished games, and files that
// cannot be written (a directory in the way, a full disk, a failing flush).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "console/virtual_console.h"
#include "game/turn_loop.h"
#include "test_support.h"
#include "core/piece_text.h"
#include "records/scorecard.h"
#include "records/snapshot.h"
#include "records/text_file.h"
#include "records/transcript.h"

namespace bdvx::test {
namespace {

namespace fs = std::filesystem;

// A text of the table: "\x1b" escapes, and "A*100000" at its end for a
// character repeated.
std::string Unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\\x") == 0 && i + 4 <= text.size()) {
      out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else if (text[i] == '*' && i > 0 && i + 1 < text.size() &&
               text.find_first_not_of("0123456789", i + 1) == std::string::npos) {
      out.insert(out.end() - 1, std::stoul(text.substr(i + 1)) - 1, out.back());
      break;
    } else {
      out += text[i];
    }
  }
  return out;
}

// A game started as White at level 0 that LOADs the snapshot of the working
// directory and SAVEs it again; returns row 23 as LOAD left it and the file
// SAVE wrote.
std::pair<std::string, std::string> LoadThenSave(bool load) {
  const auto g = std::make_unique<GameState>();
  InitProgramTables(*g);
  VirtualConsole con;
  for (const int col : {10, 3}) con.queueClick(22, col);
  if (load) con.queueLine("LOAD");
  std::string row23;
  con.queueAction([&] {
    row23 = con.rowText(23);
    fs::remove_all(kSnapshotFileName);
  });
  con.queueLine("SAVE");
  EXPECT_THROW(RunGame(*g, con), ScriptExhausted);
  return {row23.substr(0, row23.find_last_not_of(' ') + 1), ReadFile(kSnapshotFileName)};
}

// tests/data/snapshots.txt: each case changes the snapshot the custom_boards
// scenario saved, loads it into a game just started and saves it again. A
// refused snapshot must leave the game as it was: the same file as a game
// that loaded nothing. A snapshot taken back must come out of SAVE as it
// went into LOAD, but for the lines the case lists.
TEST(Snapshots, LoadRefusesDamageAndTakesBackEveryField) {
  const std::string base = ReadFile(DataDir() / "records/custom_boards/CHECKED.TXT.golden");
  std::string untouched;
  {
    TempWorkDir dir;
    untouched = LoadThenSave(false).second;
  }
  std::istringstream table(ReadFile(DataDir() / "snapshots.txt"));
  std::string line;
  std::getline(table, line);
  while (table) {
    if (line.rfind("= ", 0) != 0) {
      std::getline(table, line);
      continue;
    }
    SCOPED_TRACE(line);
    TempWorkDir dir;
    std::vector<std::string> lines = CrLfLines(base);
    std::string lineEnd = "\r\n", say, file;
    bool lastEnded = true, directory = false;
    std::vector<std::pair<int, std::string>> saved;
    while (std::getline(table, line) && line.rfind("= ", 0) != 0) {
      std::istringstream words(line);
      std::string word;
      words >> word;
      const std::string rest = line.size() > word.size() ? Unescape(line.substr(word.size() + 1)) : "";
      if (word == "cut") lines.resize(std::stoul(rest));
      if (word == "lf") lineEnd = "\n";
      if (word == "noend") lastEnded = false;
      if (word == "dir") directory = true;
      if (word == "say") say = rest;
      if (word == "saved") saved.emplace_back(std::stoi(rest), rest.substr(rest.find(' ') + 1));
      if (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0]))) {
        lines.resize(std::max(lines.size(), std::stoul(word)));
        lines[std::stoul(word) - 1] = rest;
      }
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      file += lines[i] + (i + 1 < lines.size() || lastEnded ? lineEnd : "");
    }
    if (directory) {
      fs::create_directory(kSnapshotFileName);
    } else {
      std::ofstream(kSnapshotFileName, std::ios::binary) << file;
    }
    const auto [row23, resaved] = LoadThenSave(true);
    EXPECT_EQ(row23, say);
    if (say != "  Game snapshot restored") {
      EXPECT_EQ(FirstDifference(resaved, untouched).second, "") << "the refused snapshot changed the game";
      continue;
    }
    // SAVE writes its own header, plain numbers and CR LF line ends.
    lines.resize(118);
    lines[0] = base.substr(0, base.find("\r\n"));
    lines[117] = "EOF";
    for (const auto& [n, text] : saved) lines[n - 1] = text;
    std::string want;
    for (const std::string& l : lines) want += l + "\r\n";
    EXPECT_EQ(FirstDifference(resaved, want).second, "");
  }
}

// The worked examples and the edges of the rating and the class: moves,
// points, minutes, level, the last mover's piece, the computer's side and
// the end reason give the winner, rating and class.
TEST(Rating, WorkedExamplesAndEdges) {
  const struct {
    int moves, points, minutes, level, movePiece, computerSide;
    std::string reason;
    bool playerWon;
    int rating, classIndex;
  } cases[] = {
      {30, 12, 10, 9, 1, -1, kReasonCheckmate, true, 2460, 13},  // 2910-750+(160-100)+240
      {25, 22, 20, 5, 1, -1, kReasonCheckmate, true, 1925, 9},   // class 10 less one for points
      {60, 0, 30, 9, -1, -1, kReasonCheckmate, false, 1200, 7},
      {40, -5, 25, 2, -1, -1, kReasonCheckmate, false, 100, 1},  // -700 held at 100
      {10, 0, 5, 9, -5, 1, kReasonResigned, true, 2770, 13},    // a Black piece last, computer White
      {60, 0, 30, 9, 1, -1, kReasonDraw, false, 1200, 7},       // a draw: the computer-win formula
      {100, 0, 30, 9, -1, -1, kReasonCheckmate, false, 1350, 7},  // computer wins capped at 1350
      {60, 20, 30, 9, -1, -1, kReasonCheckmate, false, 1600, 9},  // 20 points keep the class
      {59, 21, 30, 9, -1, -1, kReasonCheckmate, false, 1600, 8},  // 21 lower it
      {116, 12, 20, 9, 1, -1, kReasonCheckmate, true, 250, 2},    // no bonus at 20 minutes
      {1, 100, 0, 9, 1, -1, kReasonCheckmate, true, 2900, 12},    // held at 2900
      {10, 25, 20, 0, -1, -1, kReasonCheckmate, false, 100, 1},   // the class stays at least 1
      {22, 2, 16, 9, 1, -1, kReasonCheckmate, true, 2400, 13},    // 2400 is the top class
      {23, 3, 16, 9, 1, -1, kReasonCheckmate, true, 2395, 12},
      {11, 0, 15, 9, 1, -1, kReasonCheckmate, true, 2645, 13},    // 15 minutes still earn 10
      {10, 0, 5, 9, 5, 1, kReasonResigned, false, 200, 2},        // 200 is class 2
      {107, -2, 20, 9, 1, -1, kReasonCheckmate, true, 195, 1},    // 195 is class 1
      {120, 0, 20, 9, 1, -1, kReasonCheckmate, true, 100, 1},     // a win held at 100
      {60, 60, 30, 9, -1, -1, kReasonCheckmate, false, 2400, 12},  // the top class less one
  };
  for (const auto& c : cases) {
    const RatingEstimate e = EstimateRating(c.moves, c.points, c.movePiece, c.computerSide,
                                            c.minutes, c.level, c.reason);
    EXPECT_EQ(std::tuple(e.playerWon, e.rating, e.classIndex),
              std::tuple(c.playerWon, c.rating, c.classIndex))
        << c.moves << " moves, " << c.points << " points, " << c.minutes << " minutes";
  }
  const char* names[] = {"CLASS J novice", "CLASS I novice", "CLASS H novice", "CLASS G player",
                         "CLASS F player", "CLASS E player", "CLASS D player", "CLASS C player",
                         "CLASS B player", "CLASS A player", "NOMINEE MASTER", "NATION  MASTER",
                         "SENIOR  MASTER"};
  for (int index = 1; index <= 13; ++index) EXPECT_EQ(ClassName(index), names[index - 1]);
}

// Lets files of this process grow to at most `bytes` while alive: a write
// beyond fails as on a full disk.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit = {bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
  }
  void (*handler)(int);
  rlimit saved{};
};

// Each record file that cannot be written, for each reason, leaves the file
// as it was (or none), no temporary file beside it, and reports false; the
// scorecard is never appended through a link.
TEST(RecordFiles, FailedWritesKeepTheOldFileAndSaySo) {
  const auto g = std::make_unique<GameState>();
  InitProgramTables(*g);
  g->GameBoard = g->InitialBoard;
  g->PlayerCaptures.fill("  ");
  g->ComputerCaptures.fill("  ");
  SquareTextFromBoard(g->GameBoard, g->SquareText);
  const RatingEstimate won = EstimateRating(20, 0, 1, -1, 20, 5, kReasonCheckmate);
  const std::string transcript = TranscriptFileName("12-06-2026");
  const auto writeAll = [&] {
    return std::tuple(SaveSnapshot(*g),
                      WriteTranscript("12-06-2026", "16:15:00", g->SquareText, 0, g->HistPiece,
                                      g->HistFrom, g->HistTo, 0, kReasonSnapshot),
                      AppendScorecardLine("12-06-2026", "16:15:00", won, 20, 20, 5,
                                          kReasonCheckmate));
  };
  const auto entries = [] {
    return std::distance(fs::directory_iterator("."), fs::directory_iterator{});
  };
  for (const std::string way : {"directory", "links", "full disk"}) {
    SCOPED_TRACE(way);
    TempWorkDir dir;
    // No line goes through a link to a file that may lie elsewhere.
    if (way == "links") {
      std::ofstream("elsewhere") << "mine";
      fs::create_symlink("elsewhere", kScorecardFileName);
      EXPECT_FALSE(std::get<2>(writeAll()));
      fs::remove(kScorecardFileName);
      fs::create_hard_link("elsewhere", kScorecardFileName);
      EXPECT_FALSE(std::get<2>(writeAll()));
      EXPECT_EQ(ReadFile("elsewhere"), "mine");
      continue;
    }
    if (way == "directory") {
      for (const std::string& name : {kSnapshotFileName, transcript, kScorecardFileName}) {
        fs::create_directory(name);
      }
      EXPECT_EQ(writeAll(), std::tuple(false, false, false));
      EXPECT_EQ(entries(), 3);
      continue;
    }
    ASSERT_EQ(writeAll(), std::tuple(true, true, true));
    const std::string snapshot = ReadFile(kSnapshotFileName), text = ReadFile(transcript),
                      scores = ReadFile(kScorecardFileName);
    g->MoveNumber = 9;
    {
      FileSizeLimit limit(scores.size() + 10);  // room for part of a line only
      EXPECT_EQ(writeAll(), std::tuple(false, false, false));
    }
    EXPECT_EQ(std::tuple(ReadFile(kSnapshotFileName), ReadFile(transcript),
                         ReadFile(kScorecardFileName)),
              std::tuple(snapshot, text, scores));
    EXPECT_EQ(entries(), 3);
    // With room again a game's line is added behind the earlier ones.
    EXPECT_TRUE(std::get<2>(writeAll()));
    EXPECT_EQ(ReadFile(kScorecardFileName), scores + scores.substr(scores.rfind("12-06")));
    // A scorecard the game creates on a full disk is not left without its
    // header: the next game starts it afresh.
    fs::remove(kScorecardFileName);
    {
      FileSizeLimit limit(100);
      EXPECT_FALSE(std::get<2>(writeAll()));
    }
    EXPECT_FALSE(fs::exists(kScorecardFileName));
  }
}

// A flush to disk that fails leaves the old file and a false answer.
TEST(RecordFiles, FailingFlushKeepsTheOldFile) {
  TempWorkDir dir;
  ASSERT_TRUE(ReplaceTextFile("RECORD.TXT", {"old"}));
  const auto failingSync = [](int) { return -1; };
  EXPECT_FALSE(ReplaceTextFile("RECORD.TXT", {"new"}, failingSync));
  EXPECT_EQ(ReadFile("RECORD.TXT"), "old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1);
}

}  // namespace
}  // namespace bdvx::test
