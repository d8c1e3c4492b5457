#include "rules/promotion.h"

#include <string>

#include "console/piece_text.h"
#include "game/entry.h"

namespace bdvx {

int AskPromotionChoice(GameState& g, Console& con) {
  int choice = kNoPiece;
  con.locate(21, 1);
  con.printLine("  Enter desired piece for *** PROMOTED PAWN ***  ");
  // A pawn, a king, a filler or an unknown text is asked again. A single
  // typed letter is one character long and so names nothing.
  while (!(Magnitude(choice) > 2 && Magnitude(choice) < 10)) {
    con.locate(22, 1);
    con.printLine(std::string(40, ' '));
    con.locate(22, 1);
    g.Code2 = ReadKeyLine(con).substr(0, 2);
    choice = PieceCodeFromText(g.Code2, g.ComputerSide);
  }
  return choice;
}

}  // namespace bdvx
