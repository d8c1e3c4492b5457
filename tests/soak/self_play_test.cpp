// Whole games of the computer against itself through the game's own loop
// (RunGame): the picks, CREATE for a random position in every other game,
// the computer's turns, and the player's side played by the computer player
// as typed move texts, promotions answered (now and then wrongly first), up
// to the game's end with its records. The game's invariants are checked at
// every prompt, under the sanitizers and with the internal asserts on.
//
// A failure names its game's seed; for other games than the default ones:
//   build/asan/tests/test_soak --gtest_random_seed=N
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "fuzz_support.h"
#include "game/turn_loop.h"
#include "rules/attacks.h"
#include "rules/check.h"
#include "test_support.h"

namespace bdvx {
namespace {

constexpr int kGames = 300;
constexpr int kHalfMoveCap = 320;  // a few games pass the 300 history rows

// Eight rows for CREATE: both kings and a random set of other pieces (one
// board in four more than a set, so that capture lists can fill up), no pawn
// on a far row, and the side that moved last (the computer's) not in check.
std::vector<std::string> RandomRows(std::mt19937& rng, int computerSide) {
  static constexpr int kPieces[] = {kQueen, kRook, kRook, kBishop, kBishop, kKnight, kKnight,
                                    kPawn, kPawn, kPawn, kPawn, kPawn, kPawn, kPawn, kPawn};
  for (;;) {
    Board board;
    board.fill(0);
    const auto place = [&](int code) {
      int r = 0, c = 0;
      do {
        r = static_cast<int>(rng() % 8) + 1;
        c = static_cast<int>(rng() % 8) + 1;
      } while (board(r, c) != 0 || (Magnitude(code) == kPawn && (r == 1 || r == 8)));
      board(r, c) = code;
    };
    place(kKing);
    place(-kKing);
    const int others = static_cast<int>(rng() % (rng() % 4 == 0 ? 44 : 24));
    for (int i = 0; i < others; ++i) place((rng() % 2 == 0 ? 1 : -1) * kPieces[rng() % 15]);
    int king = kKing * computerSide, row = 0, col = 0;
    FindPiece(board, king, row, col);
    if (SquareAttacked(board, king, row, col)) continue;
    SquareTextGrid texts;
    SquareTextFromBoard(board, texts);
    std::vector<std::string> rows(8);
    for (int r = 1; r <= 8; ++r)
      for (int c = 1; c <= 8; ++c) rows[r - 1] += board(r, c) == 0 ? "::" : texts(r, c);
    return rows;
  }
}

// The player at the keyboard: when the script of picks and CREATE has run
// out, it types the computer player's choice for the player's side, RESIGN
// when there is none, EXIT when the move cap is reached or the game refused
// the last move, and Enter at the closing pause.
class SelfPlayConsole : public fuzz::FuzzConsole {
 public:
  SelfPlayConsole(GameState& g, std::uint32_t seed) : FuzzConsole(seed, &g), g_(g), rng_(seed) {}
  int halfMoves = 0;
  bool exited = false;
  // Captures as if made earlier in the game, which CREATE keeps: so a
  // crowded board can fill a capture list to its last slot.
  int priorCaptures = 0;

  Entry waitEntry(bool acceptLines) override {
    const std::string broken = fuzz::BrokenState(g_);
    if (!broken.empty()) throw std::runtime_error(broken);
    if (priorCaptures > 0 && rowText(21).starts_with("  Click Piece")) {
      for (int i = 1; i <= priorCaptures; ++i) {
        g_.PlayerCaptures[i] = g_.ComputerSide == kBlack ? "BP" : "WP";
        g_.ComputerCaptures[i] = g_.ComputerSide == kBlack ? "WP" : "BP";
      }
      g_.PlayerCaptureCount = g_.ComputerCaptureCount = priorCaptures;
      priorCaptures = 0;
    }
    if (pendingInput() == 0) queueLine(nextEntry());
    return FuzzConsole::waitEntry(acceptLines);
  }
  std::string inputLine() override {
    static const char* const kRefused[] = {"K", "WK", "::", "P "};
    static const char* const kAccepted[] = {"Q ", "WQ", "BR", "n ", "wb", "BQ"};
    if (pendingInput() == 0) {
      if (rowText(23).find("Tap Enter") != std::string::npos) {
        queueLine("");
      } else {  // the promotion's question
        if (rng_() % 4 == 0) queueLine(kRefused[rng_() % 4]);
        queueLine(kAccepted[rng_() % 6]);
      }
    }
    return FuzzConsole::inputLine();
  }

 private:
  std::string nextEntry() {
    if (halfMoves >= kHalfMoveCap || g_.MoveNumber == lastMoveNumber_) {
      exited = true;
      return "EXIT";
    }
    lastMoveNumber_ = g_.MoveNumber;
    const MoveRecord computerMove = g_.ComputerMove, hintMove = g_.HintMove;
    const std::string broken = fuzz::ChooseFor(*this, g_, -g_.ComputerSide, g_.HintLimit);
    if (!broken.empty()) throw std::runtime_error(broken);
    const MoveRecord move = g_.ComputerMove;
    g_.ComputerMove = computerMove;
    g_.HintMove = hintMove;
    if (move.piece == 0) return "RESIGN";
    ++halfMoves;
    return fuzz::MoveText(move);
  }

  GameState& g_;
  std::mt19937 rng_;
  int lastMoveNumber_ = -1;
};

TEST(SelfPlaySoak, WholeGamesKeepTheGamesPromises) {
  const int flag = GTEST_FLAG_GET(random_seed);
  const std::uint32_t base = flag != 0 ? static_cast<std::uint32_t>(flag) : 20261206u;
  test::TempWorkDir dir;
  int finished = 0;
  long halfMoves = 0;
  for (int game = 0; game < kGames; ++game) {
    const std::uint32_t seed = base * 7919u + static_cast<std::uint32_t>(game);
    std::mt19937 rng(seed);
    const int level = static_cast<int>(rng() % 10);
    const int computerSide = rng() % 2 == 0 ? kBlack : kWhite;
    SCOPED_TRACE("game " + std::to_string(game) + " seed " + std::to_string(seed));
    auto g = std::make_unique<GameState>();
    InitProgramTables(*g);
    SelfPlayConsole con(*g, seed);
    con.queueClick(22, computerSide == kBlack ? 10 : 3);  // WHITE or BLACK for the player
    con.queueClick(22, 2 * level + 3);
    if (game % 2 == 1) {
      con.queueLine("CREATE");
      for (const std::string& row : RandomRows(rng, computerSide)) con.queueLine(row);
      con.queueLine("Y");
      con.queueLine(computerSide == kBlack ? "B" : "W");
      if (rng() % 4 == 0) con.priorCaptures = 8 + static_cast<int>(rng() % 8);
    }
    try {
      RunGame(*g, con);
    } catch (const std::exception& broken) {
      FAIL() << broken.what() << " after " << con.halfMoves << " half-moves";
    }
    ASSERT_EQ(fuzz::BrokenState(*g), "");
    ASSERT_EQ(g->ComputerSide, computerSide);
    ASSERT_EQ(g->Level, level);
    finished += con.exited ? 0 : 1;
    halfMoves += con.halfMoves;
  }
  // Every game that came to its end added its line to the scorecard's three
  // header lines; EXIT adds none.
  const std::string scorecard = test::ReadFile("BDVXSCORES.TXT");
  EXPECT_EQ(std::count(scorecard.begin(), scorecard.end(), '\n'), finished + 3);
  EXPECT_GT(finished, kGames / 2);
  std::printf("%d games, %d to their end, %ld of the player's half-moves\n", kGames, finished, halfMoves);
}

}  // namespace
}  // namespace bdvx
