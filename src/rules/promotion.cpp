#include "rules/promotion.h"

#include <string>

#include "core/piece_text.h"

namespace bdvx {

int AskPromotionChoice(GameState& g, MoveReporter& reporter) {
  // A typed move that named the piece ("e8=N", "e7e8n") has answered already.
  if (g.NamedPromotion != 0) {
    const int choice = -g.ComputerSide * g.NamedPromotion;
    g.NamedPromotion = 0;
    PieceTextOfCode(choice, g.Code2);
    return choice;
  }
  int choice = kNoPiece;
  reporter.line(21, "  Enter desired piece for *** PROMOTED PAWN ***  ");
  // A pawn, a king, a filler or an unknown text is asked again. A single
  // letter stands for its side-less text: "Q" as "Q ".
  while (!(Magnitude(choice) > 2 && Magnitude(choice) < 10)) {
    reporter.line(22, std::string(40, ' '));
    g.Code2 = reporter.typedLine(22).substr(0, 2);
    if (g.Code2.size() == 1) g.Code2 += ' ';
    choice = PieceCodeFromText(g.Code2, g.ComputerSide);
  }
  return choice;
}

}  // namespace bdvx
