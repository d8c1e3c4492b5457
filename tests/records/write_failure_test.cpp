#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "records_fixture.h"

namespace bdvx::test {
namespace {

// Records a checkmate by the player after `moves` moves.
bool RecordWin(Console& con, int moves = 20) {
  return RecordScore(con, moves, 0, kPawn, kBlack, 20, 5, kReasonCheckmate);
}

// Lets files of this process grow to at most `bytes` while alive; a write
// beyond fails as on a full disk.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) : previousHandler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit = {bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
  }
  void (*previousHandler)(int);
  rlimit saved{};
};

using WriteFailure = RecordsTest;

TEST_F(WriteFailure, MessageClearsTheRow) {
  con.locate(23, 1);
  con.print(std::string(80, 'x'));
  ShowWriteFailure(con, 23, "BDVXSNAP.TXT");
  const std::string text = "  Cannot write BDVXSNAP.TXT";
  EXPECT_EQ(con.rowText(23).substr(0, 79), text + std::string(79 - text.size(), ' '));
  EXPECT_EQ(con.screen().cursorRow(), 24);
}

TEST_F(WriteFailure, DirectoryInTheWayOfEveryFile) {
  const GameState g = NewGameState();
  for (const std::string& name : {kSnapshotFileName, TranscriptFileName(con.dateString()), kScorecardFileName}) {
    std::filesystem::create_directory(name);
  }
  EXPECT_FALSE(SaveSnapshot(g));
  EXPECT_FALSE(WriteTranscriptOf(con, g));
  EXPECT_FALSE(RecordWin(con));
  // No temporary file is left.
  EXPECT_EQ(CountEntries(dir.path()), 3);
}

TEST_F(WriteFailure, ReadOnlyDirectory) {
  if (geteuid() == 0) GTEST_SKIP() << "directory permissions do not bind the superuser";
  GameState g = NewGameState();
  ASSERT_TRUE(SaveSnapshot(g));
  const std::string earlier = ReadFile(kSnapshotFileName);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
  g.MoveNumber = 9;
  EXPECT_FALSE(SaveSnapshot(g));
  EXPECT_FALSE(WriteTranscriptOf(con, g));
  EXPECT_FALSE(RecordWin(con));
  EXPECT_EQ(ReadFile(kSnapshotFileName), earlier);
}

TEST_F(WriteFailure, FullDiskKeepsThePreviousFiles) {
  GameState g = NewGameState();
  ASSERT_TRUE(SaveSnapshot(g));
  ASSERT_TRUE(WriteTranscriptOf(con, g));
  const std::string snapshot = ReadFile(kSnapshotFileName);
  const std::string transcript = ReadFile(TranscriptFileName(con.dateString()));
  g.MoveNumber = 9;
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(SaveSnapshot(g));
    EXPECT_FALSE(WriteTranscriptOf(con, g));
    EXPECT_FALSE(RecordWin(con));  // a new scorecard without its header is not left half made
  }
  EXPECT_EQ(ReadFile(kSnapshotFileName), snapshot);
  EXPECT_EQ(ReadFile(TranscriptFileName(con.dateString())), transcript);
  EXPECT_FALSE(std::filesystem::exists(kScorecardFileName));
  EXPECT_EQ(CountEntries(dir.path()), 2);
  // Once there is room again the next game creates the scorecard afresh.
  EXPECT_TRUE(RecordWin(con));
  EXPECT_EQ(CrLfLines(ReadFile(kScorecardFileName)).size(), 4u);
}

TEST_F(WriteFailure, FullDiskLosesOnlyTheNewScorecardLine) {
  ASSERT_TRUE(RecordWin(con));
  const std::string earlier = ReadFile(kScorecardFileName);
  {
    FileSizeLimit limit(earlier.size() + 10);
    EXPECT_FALSE(RecordWin(con, 30));
  }
  // What was there before is all still there, and no part of a line follows.
  EXPECT_EQ(ReadFile(kScorecardFileName), earlier);
}

}  // namespace
}  // namespace bdvx::test
