// The bytes are a position with everything around it: any codes on the
// squares (codes that name no piece only for the routines that take them
// directly), missing or doubled kings, pawns on their far rows, check
// records, the pawn-jump record and the castling rights. The rule tests,
// the parse array and the engine at both plies run on it, then the
// computer's choice and a decoded player's move are executed.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "rules/attacks.h"
#include "rules/check.h"
#include "rules/piece_moves.h"

using namespace bdvx;

namespace {

struct Position {
  GameState g;
  bool onlyPieces = true;  // the board holds piece codes and 0 only
  bool soundRecords = true;  // check and pawn-jump records the game could make
};

// A square number: on the board, or any small number when wild.
int SquareNumber(fuzz::ByteReader& in, bool wild) {
  return wild ? static_cast<std::int8_t>(in.byte()) : in.below(8) + 1;
}

// The position and everything around it, in the byte layout of the seeds in
// corpus/fuzz_position: flags, rights, 64 squares, the check records, the
// pawn-jump record and the capture counts.
Position DecodePosition(fuzz::ByteReader& in) {
  Position p;
  GameState& g = p.g;
  InitProgramTables(g);
  const std::uint8_t flags = in.byte();
  const bool anyCodes = (flags & 1) != 0;
  const bool wildRecords = (flags & 2) != 0;
  g.ComputerSide = (flags & 4) != 0 ? kWhite : kBlack;
  g.PlayerLetter = g.ComputerSide == kBlack ? "W" : "B";
  g.LastMoverSide = (flags & 8) != 0 ? kWhite : kBlack;
  g.DescriptiveOutput = (flags >> 4) & 1;
  g.WhiteQueenSideOK = (flags >> 5) & 1;
  g.WhiteKingSideOK = (flags >> 6) & 1;
  const std::uint8_t more = in.byte();
  g.BlackQueenSideOK = more & 1;
  g.BlackKingSideOK = (more >> 1) & 1;
  g.MsgRow = 1 + ((more >> 2) & 7);
  static constexpr int kHistoryCounts[4] = {0, 5, 299, 300};
  g.HistoryCount = kHistoryCounts[(more >> 5) & 3];

  for (int r = 1; r <= 8; ++r)
    for (int c = 1; c <= 8; ++c)
      g.GameBoard(r, c) = anyCodes ? fuzz::AnyCodeFromByte(in.byte())
                                   : fuzz::BoardCodeFromByte(in.byte());
  p.onlyPieces = fuzz::BoardHoldsOnlyPieces(g.GameBoard);

  for (int k = 1; k <= 2; ++k) {
    if (!in.flag()) continue;  // most positions carry no check
    g.CheckState(k, kCheckPiece) =
        wildRecords ? fuzz::AnyCodeFromByte(in.byte()) : fuzz::BoardCodeFromByte(in.byte() | 0x80);
    for (int col = kCheckFromRow; col <= kCheckKingCol; ++col)
      g.CheckState(k, col) = SquareNumber(in, wildRecords);
  }
  if (in.flag()) {
    g.PawnJump.code = wildRecords ? fuzz::AnyCodeFromByte(in.byte()) : (in.flag() ? 1 : -1);
    g.PawnJump.row = wildRecords ? SquareNumber(in, true) : (g.PawnJump.code > 0 ? 6 : 3);
    g.PawnJump.col = SquareNumber(in, wildRecords);
  }
  p.soundRecords = !wildRecords;

  // Capture lists partly filled, up to full, to reach the fifteenth slot.
  g.PlayerCaptureCount = in.below(kCaptureSlots + 1);
  g.ComputerCaptureCount = in.below(kCaptureSlots + 1);
  for (int i = 1; i <= kCaptureSlots; ++i) {
    g.PlayerCaptures[i] = i <= g.PlayerCaptureCount ? "BP" : "  ";
    g.ComputerCaptures[i] = i <= g.ComputerCaptureCount ? "WP" : "  ";
  }
  g.MoveNumber = 1;
  return p;
}

// The rule tests with whatever codes and squares the bytes give.
void ProbeRules(fuzz::ByteReader& in, const Board& board, const PawnJumpRecord& pawnJump) {
  for (int probe = 0; probe < 6; ++probe) {
    const int piece = fuzz::AnyCodeFromByte(in.byte());
    const int fromRow = in.below(8) + 1, fromCol = in.below(8) + 1;
    const int toRow = in.below(8) + 1, toCol = in.below(8) + 1;
    const int castleAllowed = in.below(2);

    const PawnCapture pc = TestPawnCapture(board, pawnJump, fromRow, fromCol, toRow, toCol);
    int captureFlag = pc.captureFlag;
    int result = 77;
    TestPieceMove(piece, fromRow, fromCol, toRow, toCol, result, captureFlag, castleAllowed);
    if (piece == 0) FUZZ_REQUIRE(result == 77, "an empty code wrote a rule result");
    if (!fuzz::IsBoardCode(piece)) FUZZ_REQUIRE(result == kRuleNeverMoves, "a non-piece may move");

    if (piece != 0 && result != kRuleNotAMove && result != kRuleNeverMoves) {
      TestPathClearAttack(board, piece, fromRow, fromCol, toRow, toCol, result);
      Board scratch = board;
      TestPathClear(scratch, piece, fromRow, fromCol, toRow, toCol, result, kMoveMode);
      if (Magnitude(piece) != kKing)
        FUZZ_REQUIRE(scratch == board, "the path test moved something for a non-king");
    }

    SquareAttacked(board, piece, toRow, toCol);
    if (Magnitude(board(toRow, toCol)) == kKing) FindCheckers(board, toRow, toCol);
    TestLineThroughSquare(board, piece, fromRow, fromCol);
  }
}

// The mate test for both sides; the board must come back.
void ProbeCheckmate(Board& board, const PawnJumpRecord& pawnJump) {
  for (const int side : {kWhite, kBlack}) {
    const Board before = board;
    TestCheckmate(board, side, pawnJump);
    FUZZ_REQUIRE(board == before, "TestCheckmate left the board changed");
  }
}

// A player's entry with a decoded piece and typed digits 0..9, validated and,
// when accepted, executed; a promotion is answered from the bytes.
void ExecutePlayerMove(const Position& p, GameState g, VirtualConsole& con,
                       fuzz::ByteReader& in) {
  static constexpr int kPieces[12] = {1, -1, 3, -3, 4, -4, 5, -5, 9, -9, 10, -10};
  g.MovePiece = kPieces[in.below(12)];
  // Three entries in four name a piece of the player's side.
  if (in.below(4) != 0 && g.MovePiece * g.ComputerSide > 0) g.MovePiece = -g.MovePiece;
  g.Code2.clear();
  PieceTextOfCode(g.MovePiece, g.Code2);
  g.TypedFromRow = in.below(10);
  g.TypedFromCol = in.below(10);
  g.TypedToRow = in.below(10);
  g.TypedToCol = in.below(10);
  g.CapturedPiece = g.CaptureGain = g.CaptureFlag = 0;
  const int answers = in.below(3);
  for (int i = 0; i < answers; ++i) con.queueLine(in.text(4));
  con.queueLine("WQ");
  try {
    if (MoveValidation(g, con) == Step::MoveExecution) MoveExecution(g, con);
  } catch (const ScriptExhausted&) {
    FUZZ_REQUIRE(false, "the promotion asked past an accepted answer");
  }
  if (p.soundRecords) fuzz::RequireSoundState(g);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshScratchDir();
  fuzz::ByteReader in(data, size);
  Position p = DecodePosition(in);
  GameState& g = p.g;
  fuzz::FuzzConsole con(1, p.onlyPieces && p.soundRecords ? &g : nullptr);

  ProbeRules(in, g.GameBoard, g.PawnJump);
  BuildParseBoard(g.GameBoard, g.ParseBoard);
  if (!p.onlyPieces) return 0;  // no game can hold the rest

  ProbeCheckmate(g.GameBoard, g.PawnJump);
  // The computer's choice at one ply and with the reply search, then the
  // choice executed (on a copy) and a player's entry.
  const std::string broken = fuzz::ChooseFor(con, g, g.ComputerSide, 0);
  FUZZ_REQUIRE(broken.empty(), broken);
  GameState played = g;
  fuzz::PlayChoice(con, played, g.ComputerSide, 9999);
  if (p.soundRecords) fuzz::RequireSoundState(played);
  ExecutePlayerMove(p, g, con, in);
  return 0;
}
