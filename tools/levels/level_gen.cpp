// Places the boxes of a level: from a room drawn with walls (1), floor (0), targets (4) and a
// player (3) anywhere inside,
// it searches backwards from the solved room, pulling boxes away from their targets, and
// writes the start that lies the most pushes from the solution.
//   tw_level_gen ROOM.map OUT.map [--max-states N] [--seed S] [--depth D]
// --depth D stops at D pushes: an easier level from the same room.
// --targets K --tries T places K more targets at random, T times, and keeps the deepest.
// --scramble P makes each try P rounds of pulling one box, chosen at random, as far from the
// targets as it can be pulled, instead of the breadth-first search, and keeps the start whose
// solution (found by the solver) has the most moves: for rooms too large for the full search.
// The search is breadth first over box positions, so the depth it reports is the true least
// number of pushes to solve the level it writes (when the search finished that depth).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <random>
#include <sstream>
#include <unordered_set>
#include <utility>
#include <vector>

#include "Solver.h"

using namespace tw::levels;

namespace {

constexpr int kW = 32, kH = 20;
const int kDx[4] = {-1, 0, 1, 0};
const int kDy[4] = {0, -1, 0, 1};

struct TRoom {
  std::vector<std::string> Lines;
  std::vector<bool> Inside = std::vector<bool>(kW * kH, false);
  std::vector<bool> Wall = std::vector<bool>(kW * kH, true);
  std::vector<bool> Target = std::vector<bool>(kW * kH, false);
  std::vector<int> Targets;
  int Step(int c, int d) const {
    const int x = c % kW + kDx[d], y = c / kW + kDy[d];
    if (x < 0 || y < 0 || x >= kW || y >= kH || Wall[std::size_t(y * kW + x)]) return -1;
    return y * kW + x;
  }
};

// Boxes (sorted) then the player region's smallest cell.
using TState = std::vector<std::uint16_t>;

struct THash {
  std::size_t operator()(const TState& s) const {
    std::size_t h = 1469598103934665603ull;
    for (auto v : s) h = (h ^ v) * 1099511628211ull;
    return h;
  }
};

// The smallest cell the player can reach, and the reachable set.
int Region(const TRoom& r, const std::vector<bool>& box, int from, std::vector<bool>& reach) {
  reach.assign(kW * kH, false);
  std::deque<int> q{from};
  reach[std::size_t(from)] = true;
  int least = from;
  while (!q.empty()) {
    const int c = q.front();
    q.pop_front();
    least = std::min(least, c);
    for (int d = 0; d < 4; ++d) {
      const int n = r.Step(c, d);
      if (n < 0 || box[std::size_t(n)] || reach[std::size_t(n)]) continue;
      reach[std::size_t(n)] = true;
      q.push_back(n);
    }
  }
  return least;
}

}  // namespace

struct TResult {
  int Depth = -1;
  bool Complete = false;
  std::size_t States = 0;
  TState Best;
  int Start = -1;
};

TResult Search(const TRoom& room, std::size_t maxStates, int maxDepth, unsigned seed) {
  TResult result;
  const std::size_t n = room.Targets.size();
  // Level 0: boxes on the targets, the player in each region of the solved room.
  std::vector<TState> frontier;
  std::unordered_set<TState, THash> seen;
  std::vector<bool> box(kW * kH, false), reach, covered(kW * kH, false);
  for (int t : room.Targets) box[std::size_t(t)] = true;
  for (int c = 0; c < kW * kH; ++c) {
    if (!room.Inside[std::size_t(c)] || box[std::size_t(c)] || covered[std::size_t(c)]) continue;
    const int least = Region(room, box, c, reach);
    for (int k = 0; k < kW * kH; ++k)
      covered[std::size_t(k)] = covered[std::size_t(k)] || reach[std::size_t(k)];
    TState s(room.Targets.begin(), room.Targets.end());
    std::sort(s.begin(), s.end());
    s.push_back(std::uint16_t(least));
    if (seen.insert(s).second) frontier.push_back(s);
  }

  int depth = 0;
  std::vector<TState> deepest = frontier;
  std::vector<std::vector<TState>> earlier;  // the levels before the deepest, nearest last
  while (!frontier.empty() && seen.size() < maxStates && depth < maxDepth) {
    std::vector<TState> next;
    for (const TState& s : frontier) {
      std::fill(box.begin(), box.end(), false);
      for (std::size_t i = 0; i < n; ++i) box[s[i]] = true;
      Region(room, box, s[n], reach);
      for (std::size_t i = 0; i < n; ++i) {
        const int b = s[i];
        for (int d = 0; d < 4; ++d) {
          // The player stands at p next to the box and steps on to q, pulling it onto p.
          const int p = room.Step(b, d);
          if (p < 0 || !reach[std::size_t(p)]) continue;
          const int q = room.Step(p, d);
          if (q < 0 || box[std::size_t(q)]) continue;
          box[std::size_t(b)] = false;
          box[std::size_t(p)] = true;
          TState t(s.begin(), s.begin() + std::ptrdiff_t(n));
          t[i] = std::uint16_t(p);
          std::sort(t.begin(), t.end());
          std::vector<bool> r2;
          t.push_back(std::uint16_t(Region(room, box, q, r2)));
          box[std::size_t(p)] = false;
          box[std::size_t(b)] = true;
          if (seen.insert(t).second) next.push_back(std::move(t));
        }
      }
    }
    if (next.empty()) break;
    earlier.push_back(std::move(deepest));
    if (earlier.size() > 3) earlier.erase(earlier.begin());
    frontier = std::move(next);
    ++depth;
    deepest = frontier;
  }
  const bool complete = seen.size() < maxStates;
  if (!complete) --depth;  // the last level may be partial: its states are no deeper

  // Among the deepest starts, prefer those with the fewest boxes still on a target.
  std::mt19937 rng(seed);
  std::shuffle(deepest.begin(), deepest.end(), rng);
  auto onTargets = [&](const TState& s) {
    int k = 0;
    for (std::size_t i = 0; i < n; ++i) k += room.Target[s[i]];
    return k;
  };
  // The map has no sign for a player on a target: the player needs a plain floor cell.
  auto startCell = [&](const TState& s) {
    std::fill(box.begin(), box.end(), false);
    for (std::size_t i = 0; i < n; ++i) box[s[i]] = true;
    Region(room, box, s[n], reach);
    for (int c = 0; c < kW * kH; ++c) {
      if (reach[std::size_t(c)] && !room.Target[std::size_t(c)]) return c;
    }
    return -1;
  };
  std::stable_sort(deepest.begin(), deepest.end(),
                   [&](const TState& a, const TState& b) { return onTargets(a) < onTargets(b); });
  const TState* chosen = nullptr;
  int start = -1;
  // When every deepest start puts the player on a target, take one a push or two nearer.
  for (;;) {
    for (const TState& s : deepest) {
      if ((start = startCell(s)) >= 0) {
        chosen = &s;
        break;
      }
    }
    if (chosen || earlier.empty()) break;
    deepest = std::move(earlier.back());
    earlier.pop_back();
    --depth;
    std::stable_sort(deepest.begin(), deepest.end(),
                     [&](const TState& a, const TState& b) { return onTargets(a) < onTargets(b); });
  }
  if (!chosen) return result;
  result.Depth = depth;
  result.Complete = complete;
  result.States = seen.size();
  result.Best = *chosen;
  result.Start = start;
  return result;
}

// The places one box (taken off Box) can be pulled to with the player starting at Player:
// pairs of the box's cell and the player's cell, the start first.
std::vector<std::pair<int, int>> Reach(const TRoom& room, std::vector<bool>& box, int b0,
                                       int player, std::vector<bool>& reach) {
  std::vector<std::pair<int, int>> states{{b0, player}};
  std::unordered_set<int> seenPair{b0 * kW * kH + player};
  for (std::size_t k = 0; k < states.size() && states.size() < 4000; ++k) {
    const auto [b, pl] = states[k];
    box[std::size_t(b)] = true;
    Region(room, box, pl, reach);
    box[std::size_t(b)] = false;
    for (int d = 0; d < 4; ++d) {
      const int p = room.Step(b, d);
      if (p < 0 || !reach[std::size_t(p)]) continue;
      const int q = room.Step(p, d);
      if (q < 0 || box[std::size_t(q)]) continue;
      if (seenPair.insert(p * kW * kH + q).second) states.push_back({p, q});
    }
  }
  return states;
}

// Rounds of pulling one box far from the targets, starting from the solved room; the depth is
// the number of moves the solver needs.
TResult Scramble(const TRoom& room, int rounds, std::mt19937& rng, std::size_t maxStates) {
  TResult result;
  const std::size_t n = room.Targets.size();
  std::vector<int> boxes(room.Targets.begin(), room.Targets.end());
  std::vector<bool> box(kW * kH, false), reach;
  for (int b : boxes) box[std::size_t(b)] = true;
  std::vector<int> free;
  for (int c = 0; c < kW * kH; ++c) {
    if (room.Inside[std::size_t(c)] && !box[std::size_t(c)]) free.push_back(c);
  }
  if (free.empty()) return result;
  int player = free[rng() % free.size()];
  // Walking distance of every cell from the nearest target.
  std::vector<int> away(kW * kH, -1);
  {
    std::deque<int> q(room.Targets.begin(), room.Targets.end());
    for (int t : room.Targets) away[std::size_t(t)] = 0;
    while (!q.empty()) {
      const int c = q.front();
      q.pop_front();
      for (int d = 0; d < 4; ++d) {
        const int nb = room.Step(c, d);
        if (nb >= 0 && away[std::size_t(nb)] < 0) {
          away[std::size_t(nb)] = away[std::size_t(c)] + 1;
          q.push_back(nb);
        }
      }
    }
  }
  for (int round = 0; round < rounds; ++round) {
    // Every place one box can be pulled to, the others staying put: (box cell, player cell).
    // Boxes are tried in a random order until one can move.
    std::vector<std::size_t> order(n);
    for (std::size_t k = 0; k < n; ++k) order[k] = k;
    std::shuffle(order.begin(), order.end(), rng);
    std::size_t i = order[0];
    std::vector<std::pair<int, int>> states;
    for (std::size_t o : order) {
      i = o;
      box[std::size_t(boxes[i])] = false;
      states = Reach(room, box, boxes[i], player, reach);
      if (states.size() > 1) break;
      box[std::size_t(boxes[i])] = true;
    }
    if (states.size() <= 1) break;
    // Somewhere among the farthest places.
    std::stable_sort(states.begin(), states.end(), [&](const auto& a, const auto& b) {
      return away[std::size_t(a.first)] > away[std::size_t(b.first)];
    });
    const std::size_t top = std::max<std::size_t>(1, states.size() / 4);
    const auto [b, pl] = states[rng() % top];
    boxes[i] = b;
    box[std::size_t(b)] = true;
    player = pl;
  }
  TPuzzle puzzle;
  puzzle.W = kW;
  puzzle.H = kH;
  puzzle.Wall = room.Wall;
  puzzle.Target = room.Target;
  puzzle.Boxes = boxes;
  int start = -1;
  Region(room, box, player, reach);
  for (int c = 0; c < kW * kH && start < 0; ++c) {
    if (reach[std::size_t(c)] && !room.Target[std::size_t(c)]) start = c;
  }
  if (start < 0) return result;
  puzzle.Player = start;
  TSolveLimits limits;
  limits.MaxStates = maxStates;
  const auto solution = Solve(puzzle, limits);
  if (!solution) return result;
  result.Depth = int(solution->Moves.size());
  result.Complete = solution->Optimal;
  result.States = solution->States;
  result.Best.assign(boxes.begin(), boxes.end());
  std::sort(result.Best.begin(), result.Best.end());
  result.Best.push_back(std::uint16_t(player));
  result.Start = start;
  return result;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s ROOM.map OUT.map [--max-states N] [--seed S]\n", argv[0]);
    return 2;
  }
  std::size_t maxStates = 3'000'000;
  unsigned seed = 1;
  int maxDepth = 1 << 30;
  int targets = 0, tries = 1, scramble = 0;
  for (int i = 3; i + 1 < argc; ++i) {
    if (!std::strcmp(argv[i], "--max-states"))
      maxStates = std::stoul(argv[++i]);
    else if (!std::strcmp(argv[i], "--seed"))
      seed = unsigned(std::stoul(argv[++i]));
    else if (!std::strcmp(argv[i], "--depth"))
      maxDepth = std::stoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--targets"))
      targets = std::stoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--tries"))
      tries = std::stoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--scramble"))
      scramble = std::stoi(argv[++i]);
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  TRoom room;
  int y = 0, marked = -1;
  std::string line;
  while (std::getline(text, line) && y < kH) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line.resize(std::min<std::size_t>(line.size(), kW));
    for (int x = 0; x < int(line.size()); ++x) {
      const int c = y * kW + x;
      const char ch = line[std::size_t(x)];
      room.Wall[std::size_t(c)] = ch == '1';
      if (ch == '3') marked = c;
      if (ch == '4') {
        room.Target[std::size_t(c)] = true;
        room.Targets.push_back(c);
      }
      if (ch == '3' || ch == '2') line[std::size_t(x)] = '0';
    }
    room.Lines.push_back(line);
    ++y;
  }
  if (marked < 0) {
    std::fprintf(stderr, "%s: mark the inside with a 3\n", argv[1]);
    return 2;
  }
  {
    std::vector<bool> none(kW * kH, false);
    Region(room, none, marked, room.Inside);
  }

  std::mt19937 placer(seed);
  TResult best;
  TRoom chosenRoom = room;
  for (int t = 0; t < tries; ++t) {
    TRoom r = room;
    if (targets > 0) {
      // Targets anywhere inside, away from the marked start.
      std::vector<int> cells;
      for (int c = 0; c < kW * kH; ++c) {
        if (room.Inside[std::size_t(c)] && !room.Target[std::size_t(c)] && c != marked)
          cells.push_back(c);
      }
      std::shuffle(cells.begin(), cells.end(), placer);
      for (int k = 0; k < targets && k < int(cells.size()); ++k) {
        r.Target[std::size_t(cells[std::size_t(k)])] = true;
        r.Targets.push_back(cells[std::size_t(k)]);
      }
      std::sort(r.Targets.begin(), r.Targets.end());
    }
    const TResult res = scramble > 0 ? Scramble(r, scramble, placer, maxStates)
                                     : Search(r, maxStates, maxDepth, seed + unsigned(t));
    if (res.Depth > best.Depth) {
      best = res;
      chosenRoom = r;
    }
  }
  if (best.Depth < 0) {
    std::fprintf(stderr, "%s: no start with the player on plain floor\n", argv[2]);
    return 1;
  }
  const std::size_t n = chosenRoom.Targets.size();
  const TState& bestState = best.Best;
  std::vector<std::string> out = room.Lines;
  auto put = [&](int c, char ch) {
    std::string& row = out[std::size_t(c / kW)];
    if (int(row.size()) <= c % kW) row.resize(std::size_t(c % kW + 1), '0');
    row[std::size_t(c % kW)] = ch;
  };
  for (int t : chosenRoom.Targets) put(t, '4');
  for (std::size_t i = 0; i < n; ++i)
    put(bestState[i], chosenRoom.Target[bestState[i]] ? '5' : '2');
  put(best.Start, '3');
  std::ofstream o(argv[2], std::ios::binary);
  for (const std::string& row : out) o << row << "\r\n";
  std::printf(scramble > 0 ? "%s: %zu boxes, %d moves in the solver's solution%s, %zu states\n"
                           : "%s: %zu boxes, %d pushes from the solution%s, %zu states\n",
              argv[2], n, best.Depth, best.Complete ? "" : " (search stopped at its limit)",
              best.States);
  return 0;
}
