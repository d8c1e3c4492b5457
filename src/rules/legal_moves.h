// Every move a side may make, as the game judges a player's move: its
// validation and execution, tried on a scratch copy of the game, so that
// nothing differs from what the player would be told.
#pragma once

#include <array>

#include "core/game_state.h"
#include "core/piece_text.h"
#include "rules/move_reporter.h"

namespace bdvx {

struct LegalMove {
  MoveRecord move;           // the piece that moves (a pawn when it promotes)
  PieceCode promotedTo = 0;  // kKnight..kQueen for a promotion, else 0
  int checkScore = 0;        // the check it gives, as AfterMoveCheck scores it
  bool kingCaptured = false;  // it takes the other king, which ends the game
};

// At most 218 moves in any chess position; room for a few more.
struct LegalMoves {
  static constexpr int kCapacity = 256;
  std::array<LegalMove, kCapacity> moves{};
  int count = 0;

  const LegalMove* begin() const { return moves.data(); }
  const LegalMove* end() const { return moves.data() + count; }
};

// A reporter for moves tried or replayed off the screen: says nothing, and
// answers the promotion question with one piece; notes whether it was asked.
class SilentReporter : public MoveReporter {
 public:
  explicit SilentReporter(PieceCode promotion) : promotion_(promotion) {}
  void line(int, std::string_view) override {}
  void scrollMessages() override {}
  void cue(std::string_view, bool) override {}
  std::string typedLine(int) override {
    asked_ = true;
    return LetterText(promotion_);
  }
  bool asked() const { return asked_; }

 private:
  PieceCode promotion_;
  bool asked_ = false;
};

// The legal moves of side in the game g, side to move, by from-square in
// row-major order, then by destination in row-major order, a promotion once
// for each piece (queen, rook, bishop, knight). The castling rights, the
// en-passant target and the checks in force are g's; the history plays no
// part (the repetition draw ends a game, it does not forbid a move).
LegalMoves ListLegalMoves(const GameState& g, int side);

}  // namespace bdvx
