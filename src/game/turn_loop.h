// The game's one loop over its re-entry points: a new game with its picks,
// the top of every turn, the computer's and the player's turns, and the
// player's prompt. Each stage returns the next one.
#pragma once

#include "console/console.h"
#include "core/game_state.h"
#include "core/step.h"

namespace bdvx {

struct GameStart;

// Runs games from StartNewGame until a stage answers ExitProgram; returns the
// program's exit status, 0. The tables of InitProgramTables must be filled.
// The first game goes on from start when there is one.
int RunGame(GameState& g, Console& con, const GameStart* start = nullptr);

// A fresh game: splash, seed, starting position and counters, the colour and
// level picks, the clock's origin and the menu line; then, when there is a
// start, its position and moves. Returns TurnTop. Voice is kept.
Step StartNewGame(GameState& g, Console& con, const GameStart* start = nullptr);

// Clears the turn's capture values and gives the move to the computer when
// the last piece moved was the player's (ComputerSide x MovePiece < 0), else
// draws the board and status line for the player. Returns MoveExecution or
// EndGame after the computer's turn, PlayerPrompt after the player's.
Step TurnTop(GameState& g, Console& con);

// Shows the instruction line, reads one entry and acts on it.
Step PlayerPrompt(GameState& g, Console& con);

// Acts on the entry in InputLine with the cursor after its echo: a move typed
// in any form made the game's move text (or refused on row 23), typed
// squares, Code2, MovePiece, the command interpreter, then either the
// invalid-command reply (PlayerPrompt) or the move validation's answer.
Step InterpretEntry(GameState& g, Console& con);

}  // namespace bdvx
