// Shared set-up for the record file tests: games, file lines, the fields
// that the snapshot carries, and a working directory with a console.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "console/virtual_console.h"
#include "core/game_state.h"
#include "core/piece_text.h"
#include "game/record_files.h"
#include "records/scorecard.h"
#include "records/snapshot.h"
#include "records/transcript.h"
#include "test_support.h"

namespace bdvx::test {

// The state of a new game with the player on White, SquareText up to date.
inline GameState NewGameState() {
  GameState g;
  InitProgramTables(g);
  g.GameBoard = g.InitialBoard;
  SquareTextFromBoard(g.GameBoard, g.SquareText);
  g.PlayerCaptures.fill("  ");
  g.ComputerCaptures.fill("  ");
  g.CheckState.fill(0);
  return g;
}

// Fills row `record` (1 or 2) of CheckState: code, checker row and column,
// king row and column.
inline void SetCheck(GameState& g, int record, const std::array<int, 5>& values) {
  for (int k = 0; k < 5; ++k) g.CheckState(record, k + 1) = values[k];
}

// Puts `texts` into the first slots of a capture list and sets its count.
inline void SetCaptures(CaptureList& list, int& count, const std::vector<std::string>& texts) {
  count = static_cast<int>(texts.size());
  for (int k = 0; k < count; ++k) list[k + 1] = texts[k];
}

// The castling flags in the snapshot's order: Black column 1, Black column 8,
// White column 1, White column 8.
inline std::array<int, 4> CastlingFlags(const GameState& g) {
  return {g.BlackQueenSideOK, g.BlackKingSideOK, g.WhiteQueenSideOK, g.WhiteKingSideOK};
}

// Expects every field that the snapshot carries to be the same in both games.
inline void ExpectSameSnapshotFields(const GameState& g, const GameState& want) {
  const auto numbers = [](const GameState& s) {
    return std::tuple(s.PlayerLetter, s.LastMoverSide, s.ComputerSide, s.MoveNumber, s.Points,
                      CastlingFlags(s), s.PlayerCaptureCount, s.ComputerCaptureCount,
                      s.ElapsedMinutes);
  };
  EXPECT_EQ(numbers(g), numbers(want)) << "colour, last mover, computer side, move number, "
                                          "points, castling, capture counts, minutes";
  EXPECT_EQ(g.SquareText, want.SquareText);
  EXPECT_EQ(g.CheckState, want.CheckState);
  EXPECT_EQ(g.PlayerCaptures, want.PlayerCaptures);
  EXPECT_EQ(g.ComputerCaptures, want.ComputerCaptures);
}

// The file split at CR LF; fails the test when a line ends otherwise.
inline std::vector<std::string> CrLfLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(content.substr(start, end - start));
    EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << "bare line end inside";
  }
  EXPECT_EQ(start, content.size()) << "last line without CR LF";
  return lines;
}

// Expects the lines numbered from `first` on (1 for the file's first line)
// to be `expected`.
inline void ExpectLinesAt(const std::vector<std::string>& lines, int first,
                          const std::vector<std::string>& expected) {
  ASSERT_LE(first - 1 + expected.size(), lines.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(lines[first - 1 + k], expected[k]) << "line " << first + k;
  }
}

// Writes a file of the given lines with the given line end.
inline void WriteLines(const std::string& name, const std::vector<std::string>& lines,
                       const std::string& lineEnd = "\r\n") {
  std::ofstream file(name, std::ios::binary);
  for (const std::string& line : lines) file << line << lineEnd;
  ASSERT_TRUE(file.flush()) << name;
}

// The number of entries in a directory: shows that no temporary file stayed.
inline long CountEntries(const std::filesystem::path& dir) {
  return std::distance(std::filesystem::directory_iterator(dir), {});
}

// Writes the game's transcript as a game end, SAVE or EXIT does.
inline bool WriteTranscriptOf(Console& con, const GameState& g,
                              const std::string& reason = kReasonSnapshot) {
  return WriteTranscript(con.dateString(), con.timeString(), g.SquareText, g.HistoryCount, g.HistPiece, g.HistFrom, g.HistTo,
                         g.ElapsedMinutes, reason);
}

// The rating of a finished game and its line in the scorecard, dated by the console.
inline bool RecordScore(Console& con, int moveNumber, int points, int movePiece,
                        int computerSide, int minutes, int level, const std::string& reason) {
  return AppendScorecardLine(con.dateString(), con.timeString(),
                             EstimateRating(moveNumber, points, movePiece, computerSide, minutes,
                                            level, reason),
                             moveNumber, minutes, level, reason);
}

// A test that runs in a fresh working directory with a virtual console.
class RecordsTest : public testing::Test {
 protected:
  // Loads the snapshot into a new game and expects it accepted.
  GameState LoadedGame() {
    GameState g = NewGameState();
    EXPECT_EQ(LoadSnapshot(g).result, LoadResult::Loaded);
    return g;
  }

  TempWorkDir dir;
  VirtualConsole con;
};

}  // namespace bdvx::test
