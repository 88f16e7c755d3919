// Reading a map file for the level tools: the format rules every shipped level must follow,
// and the board as the core's loader builds it.
#pragma once

#include <string>
#include <vector>

#include "Solver.h"

namespace tw::levels {

struct TLevelCheck {
  std::vector<std::string> Errors;  // empty when the map is a valid level
  TPuzzle Puzzle;                   // on the 32 x 20 playfield
};

// Validates Text (characters, size, one player, as many boxes as targets, enclosure) and
// builds the puzzle through the core's map loader.
TLevelCheck CheckLevel(const std::string& Text);

// Replays Moves ("LURD" letters or key-code bytes) through the core's rules on the map;
// true when the last move, and no earlier one, wins the level.
bool ReplayWins(const std::string& MapText, const std::vector<unsigned char>& KeyCodes,
                std::string* Why = nullptr);

std::vector<unsigned char> KeyCodes(const std::string& Letters);

}  // namespace tw::levels
