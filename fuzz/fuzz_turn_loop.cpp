// The bytes are a script of clicks and typed lines played through the whole
// game from its start: picks, moves (clicked, or typed in any form), every
// menu command, CREATE rows, SAVE and LOAD, promotion answers and the "Tap
// Enter" pauses. A run ends when the
// script runs out or the program would end.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "game/turn_loop.h"

using namespace bdvx;

namespace {

// Click places that mean something somewhere: the menu words, PARSE, HINT
// and CANCEL (row, column).
constexpr int kTargets[14][2] = {{1, 1},  {1, 5},  {1, 10}, {1, 15}, {1, 22},
                                 {1, 27}, {1, 35}, {1, 42}, {1, 47}, {1, 53},
                                 {1, 59}, {1, 79}, {18, 53}, {18, 44}};

// The two-character texts a custom board row is made of.
constexpr const char* kRowPairs[14] = {"WK", "WQ", "WR", "WB", "WN", "WP", "BK",
                                       "BQ", "BR", "BB", "BN", "BP", "::", "  "};

// Short answers: confirmations, colours, promotions, the empty Enter.
constexpr const char* kAnswers[12] = {"Y", "N", "W", "B", "Q ", "WQ", "n ", "", "BR", "K", "0", "9"};

// The screen place of a board square's middle column, as the player sees it
// with White at the bottom.
void QueueSquareClick(VirtualConsole& con, int row, int col) {
  con.queueClick(row + 9, 13 + 3 * col);
}

void QueueScript(VirtualConsole& con, fuzz::ByteReader& in) {
  while (!in.empty()) {
    switch (in.below(12)) {
      case 0: {  // anywhere on the screen
        const int row = in.below(kScreenRows) + 1;
        con.queueClick(row, in.below(kScreenCols) + 1);
        break;
      }
      case 1: {  // a board square
        const int row = in.below(8) + 1;
        QueueSquareClick(con, row, in.below(8) + 1);
        break;
      }
      case 2: {  // a menu word or label
        const auto& target = kTargets[in.below(14)];
        con.queueClick(target[0], target[1]);
        break;
      }
      case 3:  // the colour and level picks on row 22
        con.queueClick(22, in.below(21) + 1);
        break;
      case 4:  // the voice list
        con.queueClick(3 + in.below(7), 6 + in.below(4));
        break;
      case 5:  // any typed line
        con.queueLine(in.text(24));
        break;
      case 6: {  // a custom board row
        std::string row;
        for (int c = 0; c < 8; ++c) row += kRowPairs[in.below(14)];
        con.queueLine(row);
        break;
      }
      case 7:
        con.queueLine(kAnswers[in.below(12)]);
        break;
      case 8: {  // a right press, alone or with the left, which is no click
        const int row = in.below(kScreenRows) + 1;
        con.queueButton(row, in.below(kScreenCols) + 1, 2 + in.below(2));
        break;
      }
      case 10: {  // a terminal larger than 80x24 reports clicks beyond the game's screen
        const int row = in.byte() % 64 + 1;
        con.queueClick(row, in.byte() + 1);
        break;
      }
      case 11: {  // a typed move of algebraic notation's or coordinates' letters
        static constexpr char kMoveChars[] = "KQRBNPabcdefgh12345678x=-O0+#!?q ";
        std::string move;
        for (int n = in.below(8); n > 0; --n) move += kMoveChars[in.below(sizeof kMoveChars - 1)];
        con.queueLine(move);
        break;
      }
      default: {  // a whole move: two board squares
        const int fromRow = in.below(8) + 1, fromCol = in.below(8) + 1;
        const int toRow = in.below(8) + 1, toCol = in.below(8) + 1;
        QueueSquareClick(con, fromRow, fromCol);
        QueueSquareClick(con, toRow, toCol);
        break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshScratchDir();
  fuzz::ByteReader in(data, size);
  GameState g;
  InitProgramTables(g);
  fuzz::FuzzConsole con(in.byte(), &g);
  QueueScript(con, in);
  try {
    const int status = RunGame(g, con);
    FUZZ_REQUIRE(status == 0, "the game ended with a status other than 0");
  } catch (const ScriptExhausted&) {
    // The script ran out in the middle of the game.
  }
  fuzz::RequireSoundState(g);
  return 0;
}
