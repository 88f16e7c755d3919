// Draws the 32 x 32 textures of the board into texture/ of the given folder.
//   tw_gen_textures DATA_DIR
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "Bitmap.h"

using namespace tw;

namespace {

constexpr int N = 32;

struct Rgb {
  int r, g, b;
};

Rgb Shade(Rgb c, int d) {
  auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
  return {clamp(c.r + d), clamp(c.g + d), clamp(c.b + d)};
}

void Write(const std::string& path, const std::function<Rgb(int, int)>& pixel) {
  TBitmap b = TBitmap::Create(N, N, TPixelFormat::pf24bit);
  for (int y = 0; y < N; ++y) {
    std::uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < N; ++x) {
      Rgb c = pixel(x, y);
      row[3 * x] = std::uint8_t(c.b);
      row[3 * x + 1] = std::uint8_t(c.g);
      row[3 * x + 2] = std::uint8_t(c.r);
    }
  }
  const auto bytes = EncodeBmp(b);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  std::printf("wrote %s\n", path.c_str());
}

const Rgb kFloor{254, 239, 182};
const Rgb kMagenta{255, 0, 255};

// Small deterministic noise so surfaces are not flat.
int Noise(int x, int y, int seed) {
  unsigned h = unsigned(x * 374761393 + y * 668265263 + seed * 2147483647u);
  h = (h ^ (h >> 13)) * 1274126177u;
  return int((h >> 24) & 7) - 3;
}

Rgb Wall(int x, int y) {
  const Rgb mortar{92, 86, 80};
  const Rgb brick{150, 74, 52};
  int row = y / 8, yy = y % 8;
  int xx = (x + (row % 2 ? 8 : 0)) % 16;
  if (yy == 7 || xx == 15) return mortar;
  Rgb c = brick;
  if (yy == 0 || xx == 0) c = Shade(c, 28);    // lit upper-left edge
  if (yy == 6 || xx == 14) c = Shade(c, -30);  // shadowed lower-right edge
  return Shade(c, Noise(x, y, 1) * 3);
}

// The target: red corner brackets and a small ring, on the floor colour. A box on the target
// leaves the brackets in sight, so a placed box differs by shape as well as by colour.
Rgb Cross(int x, int y) {
  const Rgb red{205, 38, 38}, dark{150, 20, 20};
  const int ex = std::min(x, 31 - x), ey = std::min(y, 31 - y);  // distance from the edges
  const bool bracket = (ex <= 2 && ey <= 9) || (ey <= 2 && ex <= 9);
  if (bracket) return (ex == 0 || ey == 0) ? dark : red;
  const double cx = x - 15.5, cy = y - 15.5, d = std::sqrt(cx * cx + cy * cy);
  if (d >= 5.0 && d <= 7.5) return red;
  if (d < 2.2) return dark;
  return kFloor;
}

// A wooden crate with chamfered corners, inset so the target's brackets show around it; the
// surround is exactly the floor colour, which the game draws transparent.
Rgb Box(int x, int y) {
  const int ex = std::min(x, 31 - x), ey = std::min(y, 31 - y);
  if (ex < 3 || ey < 3 || ex + ey < 8) return kFloor;
  const Rgb wood{184, 128, 64}, frame{120, 76, 34}, nail{70, 60, 55};
  const bool rim = ex < 5 || ey < 5 || ex + ey < 10;
  if (rim) {
    // Light from the top left.
    const int shade = (x < 16 && ex < 5) || (y < 16 && ey < 5) ? 26 : -22;
    return Shade(frame, shade + Noise(x, y, 2));
  }
  if ((ex == 6 && ey == 6) || (ex == 6 && ey == 15) || (ey == 6 && ex == 15)) return nail;
  const bool brace = std::abs(x - y) < 2;
  if (brace) return Shade(frame, 12 + Noise(x, y, 3));
  const int plank = (y / 5) % 2 ? 10 : -6;  // boards across
  const int seam = (y % 5 == 0) ? -26 : 0;
  return Shade(wood, plank + seam + Noise(x, y, 4) * 2);
}

// The player seen from above: shoulders, arms reaching forward, a head with a cap whose peak
// points the way the player faces.
Rgb Player(int x, int y, int facing) {
  double fx = x - 15.5, fy = y - 15.5, lx = fx, ly = fy;
  switch (facing) {  // rotate so that the figure faces up in (lx, ly)
    case 0:
      lx = -fy, ly = fx;
      break;  // left
    case 1:
      break;  // up
    case 2:
      lx = fy, ly = -fx;
      break;  // right
    case 3:
      lx = -fx, ly = -fy;
      break;  // down
  }
  const Rgb shirt{38, 92, 196}, skin{238, 190, 146}, cap{210, 52, 40}, outline{30, 30, 48};
  auto within = [&](double cx, double cy, double r) {
    return (lx - cx) * (lx - cx) + (ly - cy) * (ly - cy) <= r * r;
  };
  const double head = std::sqrt(lx * lx + (ly + 1) * (ly + 1));
  const bool peak = ly < -6.0 && ly > -11.5 && std::abs(lx) < 5.0 - (-6.0 - ly) * 0.55;
  const bool hand = within(-8.5, -7.5, 2.6) || within(8.5, -7.5, 2.6);
  const bool arm = (std::abs(std::abs(lx) - 9.0) < 2.0 && ly > -6.5 && ly < 3);
  const double body = (lx * lx) / (12.0 * 12.0) + ((ly - 4.5) * (ly - 4.5)) / (7.0 * 7.0);
  if (peak) return Shade(cap, -28);
  if (head <= 6.5) return head > 5.7 ? outline : Shade(cap, int(18 - head * 4));
  if (hand) return within(-8.5, -7.5, 1.8) || within(8.5, -7.5, 1.8) ? skin : outline;
  if (arm) return Shade(shirt, 22);
  if (body <= 1.0)
    return body > 0.78 ? outline : Shade(shirt, int(-body * 30) + (lx < 0 ? 14 : -8));
  return kMagenta;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/texture/";
  Write(dir + "wall.bmp", Wall);
  Write(dir + "cross.bmp", Cross);
  Write(dir + "box.bmp", Box);
  const char* names[] = {"wvL.bmp", "wvU.bmp", "wvR.bmp", "wvD.bmp"};
  for (int f = 0; f < 4; ++f) {
    Write(dir + names[f], [f](int x, int y) { return Player(x, y, f); });
  }
  return 0;
}
