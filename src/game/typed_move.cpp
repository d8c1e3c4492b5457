// Typed moves: every form a chess player may type at the move prompt becomes
// the game's own move text, which then takes the path of a clicked move.
#include <array>
#include <cctype>
#include <string>

#include "core/piece_text.h"
#include "core/position.h"
#include "game/entry.h"
#include "rules/check.h"
#include "rules/legal_moves.h"
#include "rules/san.h"

namespace bdvx {
namespace {

// The longest text shown back in a refusal; a longer line is cut.
constexpr std::size_t kShownText = 12;

// "WN 87 66": the piece text, then the two squares as row and column digits.
std::string MoveText(PieceCode piece, int fromRow, int fromCol, int toRow, int toCol) {
  std::string text;
  PieceTextOfCode(piece, text);
  return text + " " + std::to_string(fromRow) + std::to_string(fromCol) + " " +
         std::to_string(toRow) + std::to_string(toCol);
}

// "knight", "pawn": the piece's word as a sentence says it.
std::string PieceWord(PieceCode kind) {
  std::string side;
  std::string word;
  NamePiece(kind, side, word);
  while (!word.empty() && word.back() == ' ') word.pop_back();
  for (char& ch : word) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return word;
}

// The squares of the player's pieces the text could mean, by file and then
// rank ("b1 or f3"): each one the text, narrowed to that square, names.
std::string Candidates(const Board& board, int side, const SanText& san,
                       const LegalMoves& legal) {
  std::array<std::string, 64> squares;
  std::size_t count = 0;
  for (int col = 1; col <= 8; ++col) {
    for (int row = 8; row >= 1; --row) {
      if (board(row, col) != side * san.kind) continue;
      if ((san.fromCol != 0 && san.fromCol != col) || (san.fromRow != 0 && san.fromRow != row)) {
        continue;
      }
      SanText narrowed = san;
      narrowed.fromRow = row;
      narrowed.fromCol = col;
      if (MatchSan(narrowed, legal).count > 0) squares[count++] = SquareName(row, col);
    }
  }
  std::string list = squares[0];
  for (std::size_t i = 1; i < count; ++i) list += (i + 1 < count ? ", " : " or ") + squares[i];
  return list;
}

// Whether a piece the text names could go to its square but for leaving its
// own king attacked: the reason the move matches none of the legal moves.
bool OnlyKingSafetyForbids(const GameState& g, int side, const SanText& san) {
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 8; ++col) {
      const PieceCode piece = g.GameBoard(row, col);
      if (piece != side * san.kind || (san.fromCol != 0 && san.fromCol != col) ||
          (san.fromRow != 0 && san.fromRow != row)) {
        continue;
      }
      const MoveRecord move{piece, row, col, san.toRow, san.toCol};
      if (!ValidationAccepts(g, side, move)) continue;
      Board after = g.GameBoard;
      after(san.toRow, san.toCol) = piece;
      after(row, col) = kEmpty;
      if (KingInCheck(after, side)) return true;
    }
  }
  return false;
}

// A SAN move resolved against the player's own legal moves: exactly one must
// match it.
TypedMove ResolveSan(const GameState& g, std::string_view line, const SanText& san) {
  TypedMove typed;
  const int side = -g.ComputerSide;
  const LegalMoves legal = ListLegalMoves(g, side);
  const SanMatches matches = MatchSan(san, legal);
  const std::string shown(WithoutMarks(line));  // as refusals show it
  if (matches.count == 1) {
    const MoveRecord& m = matches.moves[0].move;
    typed.moveText = MoveText(m.piece, m.fromRow, m.fromCol, m.toRow, m.toCol);
    typed.promotion = san.promotion;
  } else if (matches.count > 1) {
    typed.refusal = "  " + shown + " is ambiguous: " + Candidates(g.GameBoard, side, san, legal);
  } else if (san.castleCol != 0) {
    typed.refusal = "  " + shown + ": you cannot castle that way now";
  } else if (OnlyKingSafetyForbids(g, side, san)) {
    typed.refusal = "  " + shown + ": your king would be in check";
  } else {
    typed.refusal = "  " + shown + ": no " + PieceWord(san.kind) + " of yours can go there";
  }
  return typed;
}

// A coordinate move names the piece on its from-square, whoever's it is, so
// that the rules answer it as they answer the game's own text.
TypedMove ResolveCoordinates(const GameState& g, std::string_view line,
                             const CoordinateText& move) {
  TypedMove typed;
  const PieceCode piece = g.GameBoard(move.fromRow, move.fromCol);
  if (piece == kEmpty) {
    typed.refusal =
        "  " + std::string(line) + ": no piece on " + SquareName(move.fromRow, move.fromCol);
    return typed;
  }
  typed.moveText = MoveText(piece, move.fromRow, move.fromCol, move.toRow, move.toCol);
  typed.promotion = move.promotion;
  return typed;
}

}  // namespace

TypedMove ReadTypedMove(const GameState& g, std::string_view line) {
  TypedMove typed;
  // The side-less text with one blank, "P 75 55", is the player's piece.
  if (line.size() == 7 && line[1] == ' ' && line[4] == ' ') {
    std::string piece = UpperCased(line.substr(0, 1)) + " ";
    if (PieceCodeFromText(piece, g.ComputerSide) != kNoPiece) {
      typed.moveText = piece + UpperCased(line.substr(1));
      return typed;
    }
  }
  SanText san;
  if (ReadSan(line, san)) return ResolveSan(g, line, san);
  CoordinateText move;
  if (ReadCoordinateMove(line, move)) return ResolveCoordinates(g, line, move);

  // Command words hold no digit: a line with one and no blank was meant as a
  // move ("Re9", "exd0"), so a mistyped move never resigns or ends the game,
  // and is answered as a move.
  const bool moveLike = line.find(' ') == std::string_view::npos &&
                        line.find_first_of("0123456789") != std::string_view::npos;
  if (moveLike) {
    typed.refusal = "  " + std::string(line.substr(0, kShownText)) +
                    " is not a move: type e4, Nf3, O-O, e2e4 or P 75 55";
  }
  return typed;
}

}  // namespace bdvx
