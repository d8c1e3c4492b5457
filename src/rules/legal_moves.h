// Every move a side may make, as the game judges a player's move: found by
// the fast move generator, with the check each gives as the game's own check
// logic scores it; and the same list found the slow way, by the game's
// validation and execution tried on a scratch copy of the game for every
// pair of squares, against which the fast one is proven.
#pragma once

#include <array>

#include "core/game_state.h"
#include "core/piece_text.h"
#include "rules/move_generator.h"
#include "rules/move_outcome.h"
#include "rules/move_reporter.h"

namespace bdvx {

struct LegalMove {
  MoveRecord move;           // the piece that moves (a pawn when it promotes)
  PieceCode promotedTo = 0;  // kKnight..kQueen for a promotion, else 0
  int checkScore = 0;        // the check it gives, as AfterMoveCheck scores it
  bool kingCaptured = false;  // it takes the other king, which ends the game
  bool operator==(const LegalMove&) const = default;
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

// The move as the player's entry, ready for MoveValidation: its piece, the
// piece's text and the typed squares.
void EnterMove(GameState& g, const MoveRecord& move);

// Plays move on g as the player's move, through MoveValidation and
// ExecuteMove, saying nothing; a promotion question is answered with
// promotion. stands is false when the game refuses or cancels the move, and
// g is then to be thrown away; promoted says whether the question was asked.
struct SilentPlay {
  bool stands = false;
  bool promoted = false;
  MoveOutcome outcome;
};
SilentPlay PlaySilently(GameState& g, const MoveRecord& move, PieceCode promotion);

// Whether the player's move validation accepts the move of side (its piece's
// own rule, its path, the castling permission), before the move execution
// judges what the move leaves behind.
bool ValidationAccepts(const GameState& g, int side, const MoveRecord& move);

// The legal moves of side in the game g, side to move, by from-square in
// row-major order, then by destination in row-major order, a promotion once
// for each piece (queen, rook, bishop, knight). The castling rights, the
// en-passant target and the checks in force are g's; the history plays no
// part (the repetition draw ends a game, it does not forbid a move).
LegalMoves ListLegalMoves(const GameState& g, int side);

// The same list, each move tried through MoveValidation and ExecuteMove:
// exact by construction, and slow (about a millisecond).
LegalMoves ListLegalMovesByTrial(const GameState& g, int side);

// The fast generator's board for side to move in the game g: its board,
// castling rights, PawnJump, and whether CheckState records a check.
RulesBoard RulesBoardOf(const GameState& g, int side);

// Stalemate: side has no legal move and its king is not attacked.
bool Stalemated(const GameState& g, int side);

}  // namespace bdvx
