#include "Solver.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <queue>
#include <random>
#include <unordered_map>

namespace tw::levels {
namespace {

constexpr int kDirs = 4;
const int kDx[kDirs] = {-1, 0, 1, 0};
const int kDy[kDirs] = {0, -1, 0, 1};
const char kLetter[kDirs] = {'L', 'U', 'R', 'D'};
constexpr std::uint32_t kInf = std::numeric_limits<std::uint32_t>::max();

struct TBoard {
  const TPuzzle& P;
  std::vector<int> Step[kDirs];  // neighbour index or -1 (outside or wall)
  std::vector<bool> Live;
  std::vector<std::uint32_t> PushDist;  // min pushes to a target, box alone
  std::vector<std::uint64_t> ZBox, ZPlayer;

  explicit TBoard(const TPuzzle& p) : P(p) {
    const int n = P.W * P.H;
    for (int d = 0; d < kDirs; ++d) {
      Step[d].assign(std::size_t(n), -1);
      for (int c = 0; c < n; ++c) {
        const int x = c % P.W + kDx[d], y = c / P.W + kDy[d];
        if (x >= 0 && y >= 0 && x < P.W && y < P.H && !P.Wall[std::size_t(y * P.W + x)]) {
          Step[d][std::size_t(c)] = y * P.W + x;
        }
      }
    }
    // Reverse pulls from every target give the live squares and the push distances.
    PushDist.assign(std::size_t(n), kInf);
    std::deque<int> q;
    for (int c = 0; c < n; ++c) {
      if (P.Target[std::size_t(c)] && !P.Wall[std::size_t(c)]) {
        PushDist[std::size_t(c)] = 0;
        q.push_back(c);
      }
    }
    while (!q.empty()) {
      const int c = q.front();
      q.pop_front();
      for (int d = 0; d < kDirs; ++d) {
        // A box at c came from b = c - d, pushed by a player standing at b - d.
        const int b = Step[(d + 2) % 4][std::size_t(c)];
        if (b < 0) continue;
        const int from = Step[(d + 2) % 4][std::size_t(b)];
        if (from < 0 || PushDist[std::size_t(b)] != kInf) continue;
        PushDist[std::size_t(b)] = PushDist[std::size_t(c)] + 1;
        q.push_back(b);
      }
    }
    Live.resize(std::size_t(n));
    for (int c = 0; c < n; ++c) Live[std::size_t(c)] = PushDist[std::size_t(c)] != kInf;
    std::mt19937_64 rng(12345);
    ZBox.resize(std::size_t(n));
    ZPlayer.resize(std::size_t(n));
    for (auto& z : ZBox) z = rng();
    for (auto& z : ZPlayer) z = rng();
  }
};

struct TNode {
  std::uint32_t Parent;
  std::uint32_t G;
  std::uint16_t Player;
  std::uint8_t PushDir;    // direction of the push that made this node
  std::uint16_t PushFrom;  // where the player stood for it
};

class TSearch {
 public:
  TSearch(const TBoard& B, std::size_t MaxStates, double Weight)
      : B(B), N(B.P.Boxes.size()), MaxStates(MaxStates), Weight(Weight) {}

  std::optional<TSolution> Run() {
    std::vector<std::uint16_t> start(B.P.Boxes.begin(), B.P.Boxes.end());
    std::sort(start.begin(), start.end());
    Occupied.assign(B.Live.size(), false);
    Add(kInf, 0, std::uint16_t(B.P.Player), 0, 0, start);
    while (!Open.empty()) {
      const auto [f, g, id] = Open.top();
      Open.pop();
      (void)f;
      if (g != Nodes[id].G) continue;  // a cheaper path to it was found meanwhile
      const std::uint16_t* boxes = &Boxes[std::size_t(id) * N];
      if (Solved(boxes)) return Rebuild(id);
      if (Nodes.size() > MaxStates) return std::nullopt;
      Expand(id);
    }
    return std::nullopt;
  }

  std::size_t States() const { return Nodes.size(); }

 private:
  using TEntry = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;  // f, g, node

  bool Solved(const std::uint16_t* boxes) const {
    for (std::size_t i = 0; i < N; ++i) {
      if (!B.P.Target[boxes[i]]) return false;
    }
    return true;
  }

  std::uint32_t H(const std::vector<std::uint16_t>& boxes) const {
    std::uint32_t h = 0;
    for (auto c : boxes) h += B.PushDist[c];
    return h;
  }

  // Player's walking distances with the boxes as obstacles.
  void Distances(std::uint16_t from) {
    Dist.assign(B.Live.size(), kInf);
    std::deque<int> q{from};
    Dist[from] = 0;
    while (!q.empty()) {
      const int c = q.front();
      q.pop_front();
      for (int d = 0; d < kDirs; ++d) {
        const int n = B.Step[d][std::size_t(c)];
        if (n < 0 || Occupied[std::size_t(n)] || Dist[std::size_t(n)] != kInf) continue;
        Dist[std::size_t(n)] = Dist[std::size_t(c)] + 1;
        q.push_back(n);
      }
    }
  }

  // A box that can move along neither axis, and is not on a target (or holds another such),
  // can never move again.
  bool Frozen(int c, int axis, std::vector<int>& seen) {
    auto blocked = [&](int dirA) {
      const int a = B.Step[dirA][std::size_t(c)], b = B.Step[(dirA + 2) % 4][std::size_t(c)];
      if (a < 0 || b < 0) return true;  // a wall on one side
      if (!B.Live[std::size_t(a)] && !B.Live[std::size_t(b)]) return true;
      for (int n : {a, b}) {
        if (Occupied[std::size_t(n)] && std::find(seen.begin(), seen.end(), n) == seen.end()) {
          seen.push_back(c);
          const bool frozen = Frozen(n, 1 - axis, seen) && Frozen(n, axis, seen);
          seen.pop_back();
          if (frozen) return true;
        } else if (Occupied[std::size_t(n)]) {
          return true;  // already being treated as a wall
        }
      }
      return false;
    };
    return blocked(axis == 0 ? 0 : 1);
  }

  bool Deadlocked(int moved) {
    std::vector<int> seen;
    if (!(Frozen(moved, 0, seen) && Frozen(moved, 1, seen))) return false;
    // Frozen: a deadlock unless every box of the frozen group stands on a target. Check the
    // box and its box neighbours; a fully frozen cluster on targets is fine.
    if (!B.P.Target[std::size_t(moved)]) return true;
    for (int d = 0; d < kDirs; ++d) {
      const int n = B.Step[d][std::size_t(moved)];
      if (n >= 0 && Occupied[std::size_t(n)] && !B.P.Target[std::size_t(n)]) {
        std::vector<int> s2;
        if (Frozen(n, 0, s2) && Frozen(n, 1, s2)) return true;
      }
    }
    return false;
  }

  void Expand(std::uint32_t id) {
    const TNode node = Nodes[id];
    std::vector<std::uint16_t> boxes(&Boxes[std::size_t(id) * N], &Boxes[std::size_t(id) * N] + N);
    for (auto c : boxes) Occupied[c] = true;
    Distances(node.Player);
    for (std::size_t i = 0; i < N; ++i) {
      const int b = boxes[i];
      for (int d = 0; d < kDirs; ++d) {
        const int from = B.Step[(d + 2) % 4][std::size_t(b)];
        const int to = B.Step[d][std::size_t(b)];
        if (from < 0 || to < 0 || Dist[std::size_t(from)] == kInf) continue;
        if (Occupied[std::size_t(to)] || !B.Live[std::size_t(to)]) continue;
        Occupied[std::size_t(b)] = false;
        Occupied[std::size_t(to)] = true;
        const bool dead = Deadlocked(to);
        Occupied[std::size_t(to)] = false;
        Occupied[std::size_t(b)] = true;
        if (dead) continue;
        std::vector<std::uint16_t> next = boxes;
        next[i] = std::uint16_t(to);
        std::sort(next.begin(), next.end());
        Add(id, node.G + Dist[std::size_t(from)] + 1, std::uint16_t(b), std::uint8_t(d),
            std::uint16_t(from), next);
      }
    }
    for (auto c : boxes) Occupied[c] = false;
  }

  void Add(std::uint32_t parent, std::uint32_t g, std::uint16_t player, std::uint8_t dir,
           std::uint16_t from, const std::vector<std::uint16_t>& boxes) {
    // The player's exact cell matters for moves; it is always next to the box it pushed.
    std::uint64_t key = B.ZPlayer[player];
    for (auto c : boxes) key ^= B.ZBox[c];
    auto [it, fresh] = Seen.try_emplace(key, std::uint32_t(Nodes.size()));
    if (!fresh) {
      TNode& old = Nodes[it->second];
      if (old.G <= g) return;
      old = {parent, g, player, dir, from};
      Open.emplace(g + std::uint32_t(Weight * H(boxes)), g, it->second);
      return;
    }
    Nodes.push_back({parent, g, player, dir, from});
    Boxes.insert(Boxes.end(), boxes.begin(), boxes.end());
    Open.emplace(g + std::uint32_t(Weight * H(boxes)), g, std::uint32_t(Nodes.size() - 1));
  }

  TSolution Rebuild(std::uint32_t id) {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t n = id; n != kInf; n = Nodes[n].Parent) chain.push_back(n);
    std::reverse(chain.begin(), chain.end());
    TSolution s;
    for (std::size_t k = 1; k < chain.size(); ++k) {
      const TNode& prev = Nodes[chain[k - 1]];
      const TNode& cur = Nodes[chain[k]];
      const std::uint16_t* boxes = &Boxes[std::size_t(chain[k - 1]) * N];
      std::fill(Occupied.begin(), Occupied.end(), false);
      for (std::size_t i = 0; i < N; ++i) Occupied[boxes[i]] = true;
      s.Moves += Walk(prev.Player, cur.PushFrom);
      s.Moves += kLetter[cur.PushDir];
      ++s.Pushes;
    }
    s.States = Nodes.size();
    return s;
  }

  // The letters of a shortest walk with the boxes as obstacles.
  std::string Walk(int from, int to) {
    std::vector<int> back(B.Live.size(), -1);
    std::vector<int> dir(B.Live.size(), -1);
    std::deque<int> q{from};
    back[std::size_t(from)] = from;
    while (!q.empty() && back[std::size_t(to)] < 0) {
      const int c = q.front();
      q.pop_front();
      for (int d = 0; d < kDirs; ++d) {
        const int n = B.Step[d][std::size_t(c)];
        if (n < 0 || Occupied[std::size_t(n)] || back[std::size_t(n)] >= 0) continue;
        back[std::size_t(n)] = c;
        dir[std::size_t(n)] = d;
        q.push_back(n);
      }
    }
    std::string path;
    for (int c = to; c != from; c = back[std::size_t(c)]) path += kLetter[dir[std::size_t(c)]];
    std::reverse(path.begin(), path.end());
    return path;
  }

  const TBoard& B;
  std::size_t N;
  std::size_t MaxStates;
  double Weight;
  std::vector<TNode> Nodes;
  std::vector<std::uint16_t> Boxes;  // N per node
  std::unordered_map<std::uint64_t, std::uint32_t> Seen;
  std::priority_queue<TEntry, std::vector<TEntry>, std::greater<>> Open;
  std::vector<bool> Occupied;
  std::vector<std::uint32_t> Dist;
};

}  // namespace

std::vector<bool> LiveSquares(const TPuzzle& P) {
  return TBoard(P).Live;
}

std::optional<TSolution> Solve(const TPuzzle& P, const TSolveLimits& Limits) {
  const TBoard board(P);
  for (int c : P.Boxes) {
    if (!board.Live[std::size_t(c)]) return std::nullopt;
  }
  TSearch optimal(board, Limits.MaxStates, 1.0);
  if (auto s = optimal.Run()) {
    s->Optimal = true;
    return s;
  }
  if (optimal.States() <= Limits.MaxStates) return std::nullopt;  // searched all: unsolvable
  for (double w : {Limits.Weight, Limits.Weight * 3}) {
    TSearch greedy(board, Limits.MaxStates * 4, w);
    if (auto s = greedy.Run()) return s;
  }
  return std::nullopt;
}

}  // namespace tw::levels
