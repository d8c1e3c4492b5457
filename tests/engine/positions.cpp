#include "positions.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <vector>

#include "core/board_text.h"

namespace bdvx::test {

Board NamedPosition(const std::string& name) {
  std::ifstream in(std::string(BRANDOVEX_SOURCE_DIR) + "/tests/data/engine_positions.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line != "= " + name) continue;
    std::vector<std::string> rows;
    while (rows.size() < 8 && std::getline(in, line)) rows.push_back(line);
    if (rows.size() != 8) break;
    std::array<std::string_view, 8> views;
    for (std::size_t i = 0; i < 8; ++i) views[i] = rows[i];
    Board board;
    const std::string error = BoardFromRows(views, board);
    EXPECT_EQ(error, "") << name;
    return board;
  }
  ADD_FAILURE() << "no position " << name;
  return Board{};
}

}  // namespace bdvx::test
