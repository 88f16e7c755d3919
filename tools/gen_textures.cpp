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

Rgb Cross(int x, int y) {
  // A ring with a cross inside, in red, on the floor colour.
  double cx = x - 15.5, cy = y - 15.5, d = std::sqrt(cx * cx + cy * cy);
  const Rgb red{200, 40, 40};
  if (d >= 11.0 && d <= 13.5) return red;
  if (d < 11.0 && (std::abs(std::abs(cx) - std::abs(cy)) < 1.6)) return Shade(red, 20);
  return kFloor;
}

Rgb Box(int x, int y) {
  // A wooden crate inset by two pixels; the surround is the floor colour (drawn transparent).
  if (x < 2 || y < 2 || x > 29 || y > 29) return kFloor;
  const Rgb wood{176, 120, 60};
  const Rgb dark{112, 70, 30};
  if (x == 2 || y == 2) return Shade(wood, 40);
  if (x == 29 || y == 29) return Shade(dark, -30);
  bool frame = x < 6 || y < 6 || x > 25 || y > 25;
  bool brace = std::abs(x - y) < 2 || std::abs(x + y - 31) < 2;
  if (frame) return Shade(dark, Noise(x, y, 2) * 2);
  if (brace) return Shade(wood, -10 + Noise(x, y, 3));
  return Shade(wood, ((y / 4) % 2 ? 8 : -4) + Noise(x, y, 4) * 2);
}

// The player seen from above: body, head and a nose pointing the way it faces.
Rgb Player(int x, int y, int facing) {
  // Rotate (x, y) so that the figure faces up in local coordinates.
  double fx = x - 15.5, fy = y - 15.5, lx = fx, ly = fy;
  switch (facing) {
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
  const Rgb shirt{40, 90, 200};
  const Rgb skin{240, 196, 150};
  const Rgb hair{90, 52, 24};
  double body = (lx * lx) / (12.5 * 12.5) + ((ly - 3) * (ly - 3)) / (9.0 * 9.0);
  double head = std::sqrt(lx * lx + (ly + 1) * (ly + 1));
  if (ly < -6 && std::abs(lx) < 2.2 + (ly + 13) * 0.25 && ly > -14) return skin;  // nose
  if (head <= 7.0) {
    if (ly > 0.5) return Shade(hair, int(-head));
    return Shade(skin, int(-head * 2));
  }
  if (body <= 1.0) return Shade(shirt, int(-body * 40) + (lx < 0 ? 12 : -6));
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
