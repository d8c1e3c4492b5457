// The fixed screens and the two colour effects: menu line, splash, ABOUT,
// HELP, the VOICE menu and the flash of the computer's last move.
#pragma once

#include <string>

#include "console/console.h"
#include "core/board.h"

namespace bdvx {

inline const std::string kMenuLine =
    "NEW LOAD SAVE CREATE HELP DISPLAY RESIGN USCF VOICE ABOUT EXIT ";

// Normal pair, screen cleared, menu line on row 1, cursor at row 3, column 1.
void ShowMenuLine(Console& con);
void ShowSplash(Console& con);
void CycleSplash(Console& con);
void ShowAbout(Console& con);
void ShowHelp(Console& con);
void ShowVoiceMenu(Console& con);
// Flickers the destination square of the computer's move, then redraws it.
void FlashSquare(Console& con, const std::string& text, const MoveRecord& move);

}  // namespace bdvx
