#include "game/board_report.h"

#include <string>

#include "core/piece_text.h"

namespace bdvx {

namespace {

void ShowMissingKing(Console& con, int king) {
  std::string colourWord;
  std::string pieceWord;
  NamePiece(king, colourWord, pieceWord);
  con.locate(23, 1);
  con.printLine("  FATAL ERROR: NO " + colourWord + pieceWord + "ON BOARD.");
}

}  // namespace

void ShowMissingKings(Console& con, const KingsOnBoard& kings) {
  if (!kings.black) ShowMissingKing(con, -kKing);
  if (!kings.white) ShowMissingKing(con, kKing);
}

void ShowParseReport(Console& con, const ParseReport& report) {
  ShowMissingKings(con, report.kings);
  if (report.invalidPiece == 0) return;
  con.locate(kScreenRows, 1);
  con.print("  FATAL ERROR: Invalid Piece ");
  con.printNumber(report.invalidPiece);
  con.print(" to Parse");
  con.newLine();
}

}  // namespace bdvx
