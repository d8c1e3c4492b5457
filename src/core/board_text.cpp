#include "core/board_text.h"

#include "core/piece_text.h"

namespace bdvx {

std::string BoardFromRows(const std::array<std::string_view, 8>& rows, Board& board) {
  for (int r = 1; r <= 8; ++r) {
    const std::string_view row = rows[static_cast<std::size_t>(r - 1)];
    if (row.size() != 16) {
      return "row " + std::to_string(r) + ": expected 16 characters, got " +
             std::to_string(row.size());
    }
    for (int c = 1; c <= 8; ++c) {
      std::string text(row.substr(static_cast<std::size_t>(2 * c - 2), 2));
      if (text == "::" || text == "  ") {
        board(r, c) = 0;
        continue;
      }
      const int code = PieceCodeFromText(text, kBlack);
      if (code == kNoPiece || Magnitude(code) == 2 || text != std::string(row.substr(static_cast<std::size_t>(2 * c - 2), 2))) {
        return "row " + std::to_string(r) + ": \"" + text + "\" at column " +
               std::to_string(c) + " is no piece text";
      }
      board(r, c) = code;
    }
  }
  return {};
}

}  // namespace bdvx
