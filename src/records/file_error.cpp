#include "records/file_error.h"

namespace bdvx {

void ShowRecordMessage(Console& con, int row, const std::string& text) {
  std::string line = text;
  if (line.size() < static_cast<std::size_t>(kRecordMessageWidth)) {
    line.append(kRecordMessageWidth - line.size(), ' ');
  }
  con.locate(row, 1);
  con.printLine(line);
}

void ShowWriteFailure(Console& con, int row, const std::string& fileName) {
  ShowRecordMessage(con, row, "  Cannot write " + fileName);
}

}  // namespace bdvx
