#include "bench_positions.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/board_text.h"
#include "engine/move_choice.h"
#include "engine/parse_board.h"

namespace bdvx::bench {

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::cerr << "bench/positions.txt: " << what << '\n';
  std::exit(2);
}

// Format: "# ..." comments, blank lines, and per position a line
// "= name side Q K" followed by the eight board rows.
std::vector<BenchPosition> Load() {
  const std::string path = std::string(BRANDOVEX_SOURCE_DIR) + "/bench/positions.txt";
  std::ifstream in(path);
  if (!in) Fail("cannot open " + path);
  std::vector<BenchPosition> positions;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] != '=') Fail("unexpected line \"" + line + "\"");
    BenchPosition p;
    std::string side;
    std::istringstream header(line.substr(1));
    if (!(header >> p.name >> side >> p.queenSideOK >> p.kingSideOK) ||
        (side != "W" && side != "B")) {
      Fail("bad header \"" + line + "\"");
    }
    p.side = side == "W" ? kWhite : kBlack;
    std::array<std::string, 8> rows;
    for (std::string& row : rows) {
      if (!std::getline(in, row)) Fail(p.name + ": missing rows");
    }
    std::array<std::string_view, 8> views;
    for (std::size_t i = 0; i < 8; ++i) views[i] = rows[i];
    const std::string error = BoardFromRows(views, p.board);
    if (!error.empty()) Fail(p.name + ": " + error);
    positions.push_back(p);
  }
  return positions;
}

}  // namespace

const std::vector<BenchPosition>& BenchPositions() {
  static const std::vector<BenchPosition> positions = Load();
  return positions;
}

[[gnu::noinline]] MoveRecord PlayBenchMove(RandomSource& random, const BenchPosition& p,
                                           Board& board, int hintLimit) {
  ParseArray parse;
  BuildParseBoard(board, parse);
  MoveRecord move;
  MoveRecord hint;
  CheckTable checkState{};
  ChooseComputerMove(random, board, parse, move, hint, p.side, p.queenSideOK, p.kingSideOK,
                     checkState, PawnJumpRecord{}, 1, hintLimit);
  return move;
}

}  // namespace bdvx::bench
