#include "LevelFile.h"

#include <deque>

#include "Game.h"

namespace tw::levels {
namespace {

constexpr int kW = 32, kH = 20;

// A game on no program folder: tiles are drawn from memory, figures have no images.
std::unique_ptr<TGame> LoadedGame(const std::string& Text) {
  static const TBitmap kTile = TBitmap::Create(32, 32, TPixelFormat::pf24bit);
  auto game = std::make_unique<TGame>("/nonexistent-tollywinder-level-tools/", TGameServices{});
  game->CreateKeeper();
  game->FKeeper->MoveTo(-1, -1);
  game->ApplyMapText(Text, kTile, kTile);
  return game;
}

}  // namespace

std::vector<unsigned char> KeyCodes(const std::string& Letters) {
  std::vector<unsigned char> out;
  for (char c : Letters) {
    out.push_back(c == 'L' ? 37 : c == 'U' ? 38 : c == 'R' ? 39 : c == 'D' ? 40 : 0);
  }
  return out;
}

TLevelCheck CheckLevel(const std::string& Text) {
  TLevelCheck r;
  auto error = [&](const std::string& e) { r.Errors.push_back(e); };
  int lines = 0, players = 0, boxes = 0, targets = 0;
  std::size_t i = 0;
  while (i < Text.size()) {
    std::size_t end = Text.find('\n', i);
    if (end == std::string::npos) end = Text.size();
    std::string line = Text.substr(i, end - i);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++lines;
    if (line.size() > std::size_t(kW))
      error("line " + std::to_string(lines) + " is longer than 32");
    for (char c : line) {
      if (c < '0' || c > '5') {
        error("line " + std::to_string(lines) + " holds a character other than 0-5");
        break;
      }
      players += c == '3';
      boxes += c == '2' || c == '5';
      targets += c == '4' || c == '5';
    }
    i = end + 1;
  }
  if (lines > kH) error("more than 20 lines");
  if (players != 1) error("exactly one player (3) needed, found " + std::to_string(players));
  if (boxes == 0) error("no boxes");
  if (boxes != targets) {
    error(std::to_string(boxes) + " boxes but " + std::to_string(targets) + " targets");
  }
  if (!r.Errors.empty()) return r;

  const auto game = LoadedGame(Text);
  TPuzzle& p = r.Puzzle;
  p.W = kW;
  p.H = kH;
  p.Wall.assign(kW * kH, false);
  p.Target.assign(kW * kH, false);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const auto code = game->Cell(x, y);
      p.Wall[std::size_t(y * kW + x)] = code == ccWall;
      p.Target[std::size_t(y * kW + x)] = code == ccTarget || code == ccBoxOnTarget;
    }
  }
  for (const auto& b : game->FBoxes) p.Boxes.push_back(b->PosY() * kW + b->PosX());
  p.Player = game->FKeeper->PosY() * kW + game->FKeeper->PosX();

  // Enclosure: the player's region, walking through boxes, must not touch the screen's edge.
  std::vector<bool> seen(kW * kH, false);
  std::deque<int> q{p.Player};
  seen[std::size_t(p.Player)] = true;
  bool open = false;
  std::vector<bool> reached(kW * kH, false);
  while (!q.empty()) {
    const int c = q.front();
    q.pop_front();
    reached[std::size_t(c)] = true;
    const int x = c % kW, y = c / kW;
    if (x == 0 || y == 0 || x == kW - 1 || y == kH - 1) open = true;
    const int nx[4] = {x - 1, x + 1, x, x}, ny[4] = {y, y, y - 1, y + 1};
    for (int d = 0; d < 4; ++d) {
      if (nx[d] < 0 || ny[d] < 0 || nx[d] >= kW || ny[d] >= kH) continue;
      const int n = ny[d] * kW + nx[d];
      if (p.Wall[std::size_t(n)] || seen[std::size_t(n)]) continue;
      seen[std::size_t(n)] = true;
      q.push_back(n);
    }
  }
  if (open) error("the player's area is not enclosed by walls");
  for (int b : p.Boxes) {
    if (!reached[std::size_t(b)]) error("a box lies outside the player's area");
  }
  for (int c = 0; c < kW * kH; ++c) {
    if (p.Target[std::size_t(c)] && !reached[std::size_t(c)]) {
      error("a target lies outside the player's area");
      break;
    }
  }
  return r;
}

bool ReplayWins(const std::string& MapText, const std::vector<unsigned char>& Codes,
                std::string* Why) {
  const auto game = LoadedGame(MapText);
  game->FMoves = std::make_unique<TMemoryStream>();
  for (std::size_t i = 0; i < Codes.size(); ++i) {
    std::uint16_t key = Codes[i];
    const TKeyResult r = game->FormKeyDown(key);
    if (!r.Moved) {
      if (Why) *Why = "move " + std::to_string(i + 1) + " is refused by the rules";
      return false;
    }
    if (r.Won != (i + 1 == Codes.size())) {
      if (Why)
        *Why = r.Won ? "won early, at move " + std::to_string(i + 1) : "the last move does not win";
      return false;
    }
  }
  if (Codes.empty() && Why) *Why = "empty recording";
  return !Codes.empty();
}

}  // namespace tw::levels
