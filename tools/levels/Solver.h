// A box-pushing solver for the level tools: A* over box positions with move costs, dead
// squares and freeze pruning. Plain C++; the core loads the maps.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tw::levels {

// A level as the solver sees it, on a rectangle of W x H cells (index y * W + x).
struct TPuzzle {
  int W = 0, H = 0;
  std::vector<bool> Wall;
  std::vector<bool> Target;
  std::vector<int> Boxes;  // cell indexes
  int Player = -1;
};

struct TSolution {
  std::string Moves;  // "LURD" letters, one per move
  int Pushes = 0;
  bool Optimal = false;  // true when the search proved it has the fewest moves
  std::size_t States = 0;
};

struct TSolveLimits {
  std::size_t MaxStates = 1'000'000;  // for the optimal search
  double Weight = 3.0;                // for the fallback, which is not optimal
};

// Nothing when the level cannot be solved (or the limits were hit on every attempt).
std::optional<TSolution> Solve(const TPuzzle& P, const TSolveLimits& Limits = {});

// Cells from which a box can still reach some target, pushed alone.
std::vector<bool> LiveSquares(const TPuzzle& P);

}  // namespace tw::levels
