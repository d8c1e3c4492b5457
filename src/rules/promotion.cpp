#include "rules/promotion.h"

#include <string>

#include "core/piece_text.h"

namespace bdvx {

int AskPromotionChoice(GameState& g, MoveReporter& reporter) {
  int choice = kNoPiece;
  reporter.line(21, "  Enter desired piece for *** PROMOTED PAWN ***  ");
  // A pawn, a king, a filler or an unknown text is asked again. A single
  // typed letter is one character long and so names nothing.
  while (!(Magnitude(choice) > 2 && Magnitude(choice) < 10)) {
    reporter.line(22, std::string(40, ' '));
    g.Code2 = reporter.typedLine(22).substr(0, 2);
    choice = PieceCodeFromText(g.Code2, g.ComputerSide);
  }
  return choice;
}

}  // namespace bdvx
