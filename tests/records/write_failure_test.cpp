#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "console/virtual_console.h"
#include "records/file_error.h"
#include "records/scorecard.h"
#include "records/snapshot.h"
#include "records/transcript.h"
#include "records_fixture.h"

namespace bdvx {
namespace {

using test::NewGameState;
using test::ReadFile;
using test::TempWorkDir;

int EntriesIn(const std::filesystem::path& dir) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++count;
  return count;
}

bool WriteTranscriptOf(Console& con, const GameState& g) {
  return WriteTranscript(con, g.SquareText, g.HistoryCount, g.HistPiece, g.HistFrom, g.HistTo,
                         g.ElapsedMinutes, kReasonSnapshot);
}

// Lets files of this process grow to at most `bytes` while alive; a write
// beyond fails as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(WriteFailure, MessageClearsTheRow) {
  VirtualConsole con;
  con.locate(23, 1);
  con.print(std::string(80, 'x'));
  ShowWriteFailure(con, 23, "BDVXSNAP.TXT");
  const std::string text = "  Cannot write BDVXSNAP.TXT";
  EXPECT_EQ(con.rowText(23).substr(0, 79), text + std::string(79 - text.size(), ' '));
  EXPECT_EQ(con.screen().cursorRow(), 24);
}

TEST(WriteFailure, DirectoryInTheWayOfEveryFile) {
  TempWorkDir dir;
  VirtualConsole con;
  const GameState g = NewGameState();
  std::filesystem::create_directory(kSnapshotFileName);
  std::filesystem::create_directory(TranscriptFileName(con));
  std::filesystem::create_directory(kScorecardFileName);

  EXPECT_FALSE(SaveSnapshot(g));
  EXPECT_FALSE(WriteTranscriptOf(con, g));
  EXPECT_FALSE(RecordScore(con, 20, 0, kPawn, kBlack, 20, 5, kReasonCheckmate));
  // The rating lines are shown all the same.
  EXPECT_NE(con.rowText(1).find("YOU must be a"), std::string::npos);
  // No temporary files are left beside them.
  EXPECT_EQ(EntriesIn(dir.path()), 3);
}

TEST(WriteFailure, ReadOnlyDirectory) {
  if (geteuid() == 0) GTEST_SKIP() << "directory permissions do not bind the superuser";
  TempWorkDir dir;
  VirtualConsole con;
  GameState g = NewGameState();
  ASSERT_TRUE(SaveSnapshot(g));
  const std::string earlier = ReadFile(kSnapshotFileName);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
  g.MoveNumber = 9;
  EXPECT_FALSE(SaveSnapshot(g));
  EXPECT_FALSE(WriteTranscriptOf(con, g));
  EXPECT_FALSE(RecordScore(con, 20, 0, kPawn, kBlack, 20, 5, kReasonCheckmate));
  EXPECT_EQ(ReadFile(kSnapshotFileName), earlier);
}

TEST(WriteFailure, FullDiskKeepsThePreviousFiles) {
  TempWorkDir dir;
  VirtualConsole con;
  GameState g = NewGameState();
  ASSERT_TRUE(SaveSnapshot(g));
  ASSERT_TRUE(WriteTranscriptOf(con, g));
  const std::string snapshot = ReadFile(kSnapshotFileName);
  const std::string transcript = ReadFile(TranscriptFileName(con));

  g.MoveNumber = 9;
  g.HistoryCount = 0;
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(SaveSnapshot(g));
    EXPECT_FALSE(WriteTranscriptOf(con, g));
    // A new scorecard whose header cannot be written is not left half made.
    EXPECT_FALSE(RecordScore(con, 20, 0, kPawn, kBlack, 20, 5, kReasonCheckmate));
  }
  EXPECT_EQ(ReadFile(kSnapshotFileName), snapshot);
  EXPECT_EQ(ReadFile(TranscriptFileName(con)), transcript);
  EXPECT_FALSE(std::filesystem::exists(kScorecardFileName));
  EXPECT_EQ(EntriesIn(dir.path()), 2);

  // Once there is room again the next game creates the scorecard afresh.
  EXPECT_TRUE(RecordScore(con, 20, 0, kPawn, kBlack, 20, 5, kReasonCheckmate));
  EXPECT_EQ(test::CrLfLines(ReadFile(kScorecardFileName)).size(), 4u);
}

TEST(WriteFailure, FullDiskLosesOnlyTheNewScorecardLine) {
  TempWorkDir dir;
  VirtualConsole con;
  ASSERT_TRUE(RecordScore(con, 20, 0, kPawn, kBlack, 20, 5, kReasonCheckmate));
  const std::string earlier = ReadFile(kScorecardFileName);
  {
    FileSizeLimit limit(earlier.size() + 10);
    EXPECT_FALSE(RecordScore(con, 30, 0, kPawn, kBlack, 20, 5, kReasonCheckmate));
  }
  // What was there before is all still there, and no part of a line follows.
  EXPECT_EQ(ReadFile(kScorecardFileName), earlier);
}

}  // namespace
}  // namespace bdvx
