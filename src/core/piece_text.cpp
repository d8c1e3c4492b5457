#include "core/piece_text.h"

#include <array>

namespace bdvx {
namespace {

const std::array<std::string, 11> kBlackTexts = {
    "", "BP", "::", "BN", "BB", "BR", "::", "::", "::", "BQ", "BK"};
const std::array<std::string, 11> kWhiteTexts = {
    "", "WP", "::", "WN", "WB", "WR", "::", "::", "::", "WQ", "WK"};
const std::array<std::string, 11> kLetterTexts = {
    "", "P ", "::", "N ", "B ", "R ", "::", "::", "::", "Q ", "K "};
const std::array<std::string, 11> kPieceWords = {
    "", "PAWN  ", "ERROR ", "KNIGHT", "BISHOP", "ROOK  ",
    "ERROR ", "ERROR ", "ERROR ", "QUEEN ", "KING  "};

const std::string kLightEmpty = "::";
const std::string kDarkEmpty = "  ";

}  // namespace

const std::string& BlackText(int magnitude) {
  assert(magnitude >= 1 && magnitude <= 10);
  return kBlackTexts[static_cast<std::size_t>(magnitude)];
}
const std::string& WhiteText(int magnitude) {
  assert(magnitude >= 1 && magnitude <= 10);
  return kWhiteTexts[static_cast<std::size_t>(magnitude)];
}
const std::string& LetterText(int magnitude) {
  assert(magnitude >= 1 && magnitude <= 10);
  return kLetterTexts[static_cast<std::size_t>(magnitude)];
}

const std::string& EmptySquareText(int row, int col) {
  return (row + col) % 2 == 1 ? kLightEmpty : kDarkEmpty;
}

void SquareTextFromBoard(const Board& board, SquareTextGrid& squareText) {
  for (int r = 1; r <= 8; ++r) {
    for (int k = 1; k <= 8; ++k) {
      std::string& text = squareText(r, k);
      text = EmptySquareText(r, k);
      PieceTextOfCode(board(r, k), text);
    }
  }
}

int PieceCodeFromText(std::string& text, int computerSide) {
  for (int i = 1; i <= 10; ++i) {
    if (text == BlackText(i)) return -i;
    if (text == WhiteText(i)) return i;
    if (text == LetterText(i)) {
      if (computerSide == 1) {
        text = BlackText(i);
        return -i;
      }
      text = WhiteText(i);
      return i;
    }
  }
  return kNoPiece;
}

void BoardFromSquareText(const SquareTextGrid& squareText, Board& board) {
  for (int r = 1; r <= 8; ++r) {
    for (int k = 1; k <= 8; ++k) {
      const std::string& text = squareText(r, k);
      int code = 0;
      if (text != kLightEmpty && text != kDarkEmpty) {
        for (int i = 1; i <= 10; ++i) {
          if (text == BlackText(i)) { code = -i; break; }
          if (text == WhiteText(i)) { code = i; break; }
        }
      }
      board(r, k) = code;
    }
  }
}

void PieceTextOfCode(int code, std::string& text) {
  // Codes beyond the tables never stand on a board; they are left as they are.
  if (code > 0 && code <= 10) text = WhiteText(code);
  if (code < 0 && code >= -10) text = BlackText(-code);
}

void NamePiece(int code, std::string& colourName, std::string& pieceName) {
  colourName = code < 0 ? "BLACK " : "WHITE ";
  const int magnitude = Magnitude(code);
  if (magnitude >= 1 && magnitude <= 10) {
    pieceName = kPieceWords[static_cast<std::size_t>(magnitude)];
  }
}

}  // namespace bdvx
