// Pieces as two-character texts ("WP", "BK") and six-character words
// ("WHITE ", "KNIGHT"), and the board as square texts.
#pragma once

#include <string>

#include "core/board.h"

namespace bdvx {

// The piece texts by magnitude 1..10; magnitudes that name no piece hold "::".
const std::string& BlackText(int magnitude);
const std::string& WhiteText(int magnitude);
const std::string& LetterText(int magnitude);  // "P " ... "K ": input only

// "::" for a light empty square (row + column odd), "  " for a dark one.
const std::string& EmptySquareText(int row, int col);

// The four modes of ConvertPieceText, one function each.
// Mode 1: board to square texts.
void SquareTextFromBoard(const Board& board, SquareTextGrid& squareText);
// Mode 2: the code of a typed piece text, 99 when it names none. A side-less
// text ("N ") takes the player's side, which is the opposite of computerSide,
// and is rewritten to that side's text.
int PieceCodeFromText(std::string& text, int computerSide);
// Mode 3: square texts back to the board; unknown texts become empty squares.
void BoardFromSquareText(const SquareTextGrid& squareText, Board& board);
// Mode 4: the text of a code; code 0 leaves the text as it was.
void PieceTextOfCode(int code, std::string& text);

// Colour word "WHITE " / "BLACK " and piece word "PAWN  " ... "KING  ",
// "ERROR " for magnitudes that name no piece; magnitude 0 or above 10 leaves
// the piece word as it was.
void NamePiece(int code, std::string& colourName, std::string& pieceName);

}  // namespace bdvx
