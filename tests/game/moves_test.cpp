// Moves played through the turn loop's own steps on boards of a few pieces:
// what takes the castling rights away, and each move as the PGN writes it.
// Every move is entered at the prompt by the side it names, both sides
// being the player's in turn.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "console/virtual_console.h"
#include "core/piece_text.h"
#include "game/console_reporter.h"
#include "game/turn_loop.h"
#include "test_support.h"

namespace bdvx::test {
namespace {

// A game on a board of the listed pieces ("WK 85": the White king on
// (8, 5)), every castling right still held, the side to move as the first
// move names it ("W" or "B").
std::unique_ptr<GameState> GameOn(const std::string& pieces, char toMove) {
  auto g = std::make_unique<GameState>();
  InitProgramTables(*g);
  g->GameBoard = EmptyBoard();
  g->PlayerCaptures.fill("  ");
  g->ComputerCaptures.fill("  ");
  std::istringstream in(pieces);
  for (std::string text, square; in >> text >> square;) {
    const auto magnitude = static_cast<int>(std::string("P NBR   QK").find(text[1])) + 1;
    g->GameBoard(square[0] - '0', square[1] - '0') = (text[0] == 'W' ? 1 : -1) * magnitude;
  }
  g->MovePiece = g->LastMoverSide = toMove == 'W' ? kBlack : kWhite;  // the other moved last
  return g;
}

// Enters the move ("WN 82 63", or "WP 22 11=WQ" with the promotion's
// answer) at the prompt of the side it names, from the step the loop is at,
// and returns the step it leads to: TurnTop when it stands, PlayerPrompt
// when it is refused or cancelled.
Step Play(GameState& g, VirtualConsole& con, const std::string& move, Step at = Step::TurnTop) {
  const int side = move[0] == 'W' ? kWhite : kBlack;
  g.ComputerSide = -side;
  g.PlayerLetter = side == kWhite ? "W" : "B";
  con.queueLine(move.substr(0, 8));
  if (move.size() > 9) con.queueLine(move.substr(9));
  if (at == Step::TurnTop) {
    EXPECT_EQ(TurnTop(g, con), Step::PlayerPrompt) << move;
  }
  const Step step = PlayerPrompt(g, con);
  return step == Step::MoveExecution ? MoveExecution(g, con) : step;
}

// Each of the four rights goes with its rook's move from the corner, with
// its king's move and with the capture of the rook in its corner, and with
// nothing else: not a cancelled king move, not rooks elsewhere.
TEST(CastlingRights, LostByTheirKingAndRookOnly) {
  const std::string board =
      "BR 11 BK 15 BR 18 WN 32 WN 37 WR 43 BR 46 BN 62 BN 76 WR 81 WK 85 WR 88";
  const struct {
    const char* move;
    Step step;
    const char* rights;  // BlackQueenSide WhiteQueenSide BlackKingSide WhiteKingSide
  } cases[] = {
      {"WR 88 78", Step::TurnTop, "1 1 1 0"},     {"WR 81 71", Step::TurnTop, "1 0 1 1"},
      {"BR 18 28", Step::TurnTop, "1 1 0 1"},     {"BR 11 21", Step::TurnTop, "0 1 1 1"},
      {"WK 85 75", Step::TurnTop, "1 0 1 0"},     {"WK 85 87", Step::TurnTop, "1 0 1 0"},
      {"BK 15 14", Step::TurnTop, "0 1 0 1"},     {"WN 37 18", Step::TurnTop, "1 1 0 1"},
      {"WN 32 11", Step::TurnTop, "0 1 1 1"},     {"BN 62 81", Step::TurnTop, "1 0 1 1"},
      {"BN 76 88", Step::TurnTop, "1 1 1 0"},     {"WR 43 46", Step::TurnTop, "1 1 1 1"},
      {"BR 46 43", Step::TurnTop, "1 1 1 1"},     {"WN 32 24", Step::TurnTop, "1 1 1 1"},
      {"WK 85 84", Step::PlayerPrompt, "1 1 1 1"},  // into the knight's reach: cancelled
      {"BK 15 25", Step::PlayerPrompt, "1 1 1 1"},
  };
  for (const auto& c : cases) {
    const auto g = GameOn(board, c.move[0]);
    VirtualConsole con;
    EXPECT_EQ(Play(*g, con, c.move), c.step) << c.move;
    const std::string rights = std::to_string(g->BlackQueenSideOK) + " " +
                               std::to_string(g->WhiteQueenSideOK) + " " +
                               std::to_string(g->BlackKingSideOK) + " " +
                               std::to_string(g->WhiteKingSideOK);
    EXPECT_EQ(rights, c.rights) << c.move;
  }
}

// Every move that stands in standard algebraic notation; refused,
// cancelled and drawn ones are not written.
TEST(Notation, EachKindOfMoveAsChessProgramsWriteIt) {
  const std::string kings = "BK 15 WK 85 ";
  const struct {
    const char* what;
    std::string board;
    std::vector<std::string> moves, san;
  } cases[] = {
      {"by file: the other knight could go too", kings + "WN 82 WN 66", {"WN 82 74"}, {"Nbd2"}},
      {"by rank, with a capture", kings + "WR 81 WR 41 BN 61", {"WR 81 61"}, {"R1xa3"}},
      {"by file and rank", "BK 11 WQ 72 WQ 32 WQ 76 WK 88", {"WQ 72 54"}, {"Qb2d4"}},
      // The knight on c3 is pinned by the bishop: only the one on g1 may go.
      {"a pinned rival does not count", kings + "WN 63 WN 87 BB 52", {"WN 63 75", "WN 87 75"},
       {"Ne2"}},
      {"en passant", kings + "WP 45 BP 24", {"BP 24 44", "WP 45 34"}, {"d5", "exd6"}},
      {"promotion taking with check", kings + "WP 22 BR 11", {"WP 22 11=WQ"}, {"bxa8=Q+"}},
      {"both castlings", kings + "WR 81 WR 88 BR 11 BR 18", {"WK 85 87", "BK 15 13"},
       {"O-O", "O-O-O"}},
      {"mate", "BK 17 BP 26 BP 27 BP 28 WR 81 WK 85", {"WR 81 11"}, {"Ra8#"}},
      // The sixth half-move of a repetition is announced but never made;
      // the same pieces from other squares, or to other squares, repeat
      // nothing.
      {"repetition", kings + "WN 87 BN 17",
       {"WN 87 66", "BN 17 36", "WN 66 87", "BN 36 17", "WN 87 66", "BN 17 36"},
       {"Nf3", "Nf6", "Ng1", "Ng8", "Nf3"}},
      {"other from-squares", kings, {"WK 85 84", "BK 15 14", "WK 84 83", "BK 14 13", "WK 83 84",
       "BK 13 14"}, {"Kd1", "Kd8", "Kc1", "Kc8", "Kd1", "Kd8"}},
      {"other to-squares", kings, {"WK 85 84", "BK 15 14", "WK 84 85", "BK 14 15", "WK 85 86",
       "BK 15 16"}, {"Kd1", "Kd8", "Ke1", "Ke8", "Kf1", "Kf8"}},
      {"White's third move elsewhere", kings + "WN 87 BN 12", {"WN 87 66", "BN 12 33",
       "WN 66 87", "BN 33 12", "WN 87 68", "BN 12 33"}, {"Nf3", "Nc6", "Ng1", "Nb8", "Nh3", "Nc6"}},
  };
  for (const auto& c : cases) {
    const auto g = GameOn(c.board, c.moves[0][0]);
    VirtualConsole con;
    Step step = Step::TurnTop;
    for (const std::string& move : c.moves) step = Play(*g, con, move, step);
    EXPECT_EQ(g->PgnMoves, c.san) << c.what;
  }
}

// The praise of the hinted move asks for its piece and destination, from
// any square; a promoted pawn is its new piece by then.
TEST(Execution, HintedMoveCaptureBeyondTheListAndAFullHistory) {
  const struct {
    const char* board;
    MoveRecord hint;
    const char* move;
    bool praised;
  } hints[] = {
      {"BK 15 WK 85 WN 82", {kKnight, 1, 1, 6, 3}, "WN 82 63", true},
      {"BK 15 WK 85 WN 82", {kKnight, 8, 2, 6, 1}, "WN 82 63", false},
      {"BK 18 WK 85 WP 21", {kPawn, 2, 1, 1, 1}, "WP 21 11=WQ", false},
  };
  for (const auto& c : hints) {
    const auto g = GameOn(c.board, 'W');
    g->HintMove = c.hint;
    VirtualConsole con;
    EXPECT_EQ(Play(*g, con, c.move), Step::TurnTop) << c.move;
    EXPECT_EQ(!con.sounds().empty() && con.sounds().back().path == "wav/ENG/applause.wav",
              c.praised) << c.move;
  }
  // A sixteenth capture still counts its points but finds no slot; the
  // history keeps 300 half-moves, the newest in row 300.
  const auto g = GameOn("BK 15 WK 85 WR 81 BN 31", 'W');
  g->PlayerCaptures.fill("BP");
  g->PlayerCaptureCount = kCaptureSlots;
  g->HistoryCount = kHistoryRows;
  g->HistPiece(kHistoryRows - 1, kDescriptive) = "XX";
  VirtualConsole con;
  EXPECT_EQ(Play(*g, con, "WR 81 31"), Step::TurnTop);
  EXPECT_EQ(std::tuple(g->Points, g->PlayerCaptureCount, g->PlayerCaptures[kCaptureSlots]),
            std::tuple(3, kCaptureSlots, "BP"));
  EXPECT_EQ(std::tuple(g->HistoryCount, g->HistPiece(kHistoryRows - 1, kDescriptive),
                       g->HistPiece(kHistoryRows, kDescriptive), g->HistTo(kHistoryRows, kRowCol)),
            std::tuple(kHistoryRows, "XX", "WR", "31"));
}

// Every typed form of a move (tests/data/typed_moves.txt), entered at the
// prompt of a fresh game of its position: the move text it becomes and the
// piece a promotion put on the board, asked (with the answers after " | ")
// or not, or the line row 23 answers it with.
TEST(TypedMoves, EachFormAsItsMoveTextOrRefusal) {
  std::istringstream in(ReadFile(DataDir() / "typed_moves.txt"));
  std::string pieces;
  char side = 'W';
  const auto trim = [](std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text.substr(text.find_first_not_of(' '));
  };
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("position ", 0) == 0) {
      side = line[9];
      pieces = line.substr(11);
      continue;
    }
    const std::string entry = line.substr(0, line.find(" => "));
    const std::string typed = entry.substr(0, entry.find(" | "));
    const auto g = GameOn(pieces, side);
    if (pieces == "start") g->GameBoard = StartBoard();
    g->ComputerSide = side == 'W' ? kBlack : kWhite;
    g->PlayerLetter = std::string(1, side);
    VirtualConsole con;
    std::string rest = entry;  // the move, then the promotion's answers
    for (std::size_t bar; (bar = rest.find(" | ")) != std::string::npos; rest.erase(0, bar + 3)) {
      con.queueLine(rest.substr(0, bar));
    }
    con.queueLine(rest);
    EXPECT_EQ(TurnTop(*g, con), Step::PlayerPrompt);
    std::string got;
    if (PlayerPrompt(*g, con) != Step::MoveExecution) {
      got = trim(con.rowText(23));
      EXPECT_EQ(g->HistoryCount, 0) << typed;  // nothing moved, nothing recorded
    } else {
      got = g->Code2 + g->InputLine.substr(2);
      if (g->NamedPromotion != 0 || typed != entry) {
        MoveExecution(*g, con);
        got += "=" + LetterText(Magnitude(g->GameBoard(g->ToRow, g->ToCol))).substr(0, 1);
        EXPECT_EQ(con.rowText(21).find("PROMOTED") != std::string::npos, typed != entry) << typed;
      }
    }
    EXPECT_EQ(got, line.substr(entry.size() + 4)) << typed;
  }
}

}  // namespace
}  // namespace bdvx::test
