// The fixed texts of the title screen and of the ABOUT, HELP and VOICE
// screens, one screen line each; an empty entry is an empty line.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace bdvx {

// True when every line of a text was written out; a line left out of an
// initializer list would be a null view and quietly print nothing.
template <std::size_t N>
constexpr bool AllLinesWritten(const std::array<std::string_view, N>& text) {
  return std::ranges::all_of(text, [](std::string_view line) { return line.data() != nullptr; });
}

// The title banner, ten lines printed from column 11 of rows 6 to 15.
inline constexpr std::array<std::string_view, 10> kSplashBanner = {
    "                                             Rev. 06-01-2026",
    "",
    "   ####  ####   ###  #   # ####   ###  #   # ##### #   #",
    "   #   # #   # #   # ##  # #   # #   # #   # #     #   #",
    "   #   # #   # #   # ##  # #   # #   # #   # #      # #",
    "   ####  ####  ##### # # # #   # #   # #   # ####    #",
    "   #   # # #   #   # #  ## #   # #   #  # #  #      # #",
    "   #   # #  #  #   # #  ## #   # #   #  # #  #     #   #",
    "   ####  #   # #   # #   # ####   ###    #   ##### #   #",
    "   =====================================================",
};

// The two lines under the banner, printed from column 19 of rows 17 and 18.
inline constexpr std::array<std::string_view, 2> kSplashFooter = {
    "Chess for one player against the computer",
    "Pick your color and the difficulty below",
};

inline constexpr std::array<std::string_view, 16> kAboutText = {
    "This unrated program acts as a 950(USCF) Class F player (novice adult).",
    "Upon ending, it guesses your rating using move count and points earned.",
    "This TWO-PLY ANALYZER can play an entire game within an hour.",
    "",
    "BRANDOVEX grew out of a wish for a small chess game that runs in any",
    "text console: one board, one menu line, a mouse and nothing to install.",
    "Its first version only checked the player's moves against the rules.",
    "The two-ply analyzer came next: it scores each of its own moves and,",
    "early in the game, the best answer the player could give to each.",
    "The difficulty level sets how long that look-ahead and the hints last.",
    "Voices were added so that captures, checks and the end of a game can",
    "be heard as well as read, with a short beep wherever a voice is silent.",
    "Every game leaves a transcript of its moves, and SAVE and LOAD keep a",
    "game for later. The scorecard collects a rating guess for each game,",
    "so a player can follow their progress from one evening to the next.",
    "",
};

inline constexpr std::array<std::string_view, 12> kHelpText = {
    " Enter a move by:",
    "   WP 75 55 ... which means:",
    "   WHITE PAWN from ROW 7,COL 5 to ROW 5,COL 5",
    " To CASTLE: Move KING two spaces",
    "",
    " Menu Commands only need first two characters:",
    " DISPLAY show current board  NEW    create fresh board",
    " USCF    toggle output form  SAVE   save game to BDVX.txt file",
    " RESIGN  give up             LOAD   load LAST saved game file",
    " ABOUT   describe program    CREATE create custom board layout",
    " EXIT    terminate program   VOICE  select computer voice     ",
    "",
};

inline constexpr std::array<std::string_view, 12> kVoiceMenuText = {
    "  Pick VOICE OPTION for the COMPUTER:",
    "",
    "     ENG  <-- English  - Dovan",
    "     ENR  <-- English  - Robotic Sam",
    "     ENW  <-- English  - Woman",
    "     SPA  <-- Spanish  - Robotic Sam",
    "     SPW  <-- Spanish  - Woman",
    "     SFX  <-- Sounds   - No Voice",
    "     NON  <-- MiniBeep - No Voice",
    "",
    "  The WAV voice folder must be in same folder as BRANDOVEX.exe program.",
    "  If a required WAV file is missing within a subfolder, only beep occurs.",
};

static_assert(AllLinesWritten(kSplashBanner) && AllLinesWritten(kSplashFooter));
static_assert(AllLinesWritten(kAboutText) && AllLinesWritten(kHelpText));
static_assert(AllLinesWritten(kVoiceMenuText));

}  // namespace bdvx
