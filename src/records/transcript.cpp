#include "records/transcript.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "core/number_text.h"
#include "records/text_file.h"

namespace bdvx {

namespace {

const std::string kTranscriptHeader = "BRANDOVEX REGISTER - the board and every move of one game";
const std::string kLetterLine = "        a  b  c  d  e  f  g  h";
const std::string kDigitLine = "        1  2  3  4  5  6  7  8";

// One board row of the picture: "  1 *** BR BN ... BR ***  1".
std::string BoardRowLine(const SquareTextGrid& squareText, int row) {
  std::string line = " " + NumberText(row) + " *** ";
  for (int col = 1; col <= 8; ++col) line += squareText(row, col) + " ";
  return line + "*** " + NumberText(row);
}

}  // namespace

std::string TranscriptFileName(const std::string& date) { return "BDVXHIST" + date + ".TXT"; }

bool WriteTranscript(const std::string& date, const std::string& time,
                     const SquareTextGrid& squareText, int historyCount,
                     const HistoryTable& histPiece, const HistoryTable& histFrom,
                     const HistoryTable& histTo, int elapsedMinutes,
                     const std::string& endReason) {
  assert(historyCount >= 0 && historyCount <= kHistoryRows);
  const int count = std::clamp(historyCount, 0, kHistoryRows);
  const std::string fileName = TranscriptFileName(date);

  // The opening: header, date and time, game length and the board picture
  // with row 1 (Black's home row) on top.
  std::vector<std::string> lines;
  lines.reserve(19 + 2 * count + 5);
  lines.push_back(kTranscriptHeader);
  lines.push_back(" ");
  lines.push_back("  BOARD POSITIONS AT: " + date + "  " + time);
  lines.push_back(" ");
  lines.push_back("         Game Length:" + NumberText(elapsedMinutes) + " minutes.");
  lines.push_back(" ");
  lines.push_back(kLetterLine);
  lines.push_back(kDigitLine);
  for (int row = 1; row <= 8; ++row) lines.push_back(BoardRowLine(squareText, row));
  lines.push_back(kDigitLine);
  lines.push_back(kLetterLine);
  lines.push_back(" ");

  // The moves in descriptive form, "  WP- K4   (from  K2)   1".
  for (int i = 1; i <= count; ++i) {
    lines.push_back("  " + histPiece(i, kDescriptive) + "-" + histTo(i, kDescriptive) +
                    "   (from " + histFrom(i, kDescriptive) + ")  " + NumberText(i));
  }
  lines.push_back(" " + endReason);
  lines.push_back("********* END OF MOVE HISTORY (DESCRIPTIVE FORM) ****************");
  lines.push_back(" ");

  // The same moves by row and column, "  WHITE PAWN   at (75) moved to (55)   1".
  for (int i = 1; i <= count; ++i) {
    lines.push_back("  " + histPiece(i, kRowCol) + " at (" + histFrom(i, kRowCol) + ")" +
                    " moved to (" + histTo(i, kRowCol) + ")  " + NumberText(i));
  }
  lines.push_back(" " + endReason);
  lines.push_back("********* END OF MOVE HISTORY (ARRAY FORMAT) ****************");

  return ReplaceTextFile(fileName, lines);
}

}  // namespace bdvx
