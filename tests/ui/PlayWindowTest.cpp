#include <gtest/gtest.h>

#include <QTest>

#include "Bitmap.h"
#include "PlayWindow.h"

using namespace tw;

namespace {

const std::string kBin = std::string(TW_BIN_DIR) + "/";

QRgb Rgb(TColor c) {
  return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// Finds a cell of the given code on the board.
bool FindCell(const TGame& g, std::uint8_t code, int& cx, int& cy) {
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 32; ++x)
      if (g.Cell(x, y) == code && !g.FindBox(x, y) &&
          !(g.FKeeper->PosX() == x && g.FKeeper->PosY() == y)) {
        cx = x, cy = y;
        return true;
      }
  return false;
}

TEST(PlayWindow, ShowsLevelOneWithItsTransparentColours) {
  PlayWindow w(kBin, nullptr, nullptr);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  TGame& g = w.Game();
  EXPECT_EQ(w.windowTitle(), "Tollywinder v1.3 - level 1");
  ASSERT_FALSE(g.FBoxes.empty());
  const QImage shot = w.Playfield().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(1024, 640));

  int fx = 0, fy = 0, wx = 0, wy = 0;
  ASSERT_TRUE(FindCell(g, ccFloor, fx, fy));
  ASSERT_TRUE(FindCell(g, ccWall, wx, wy));
  EXPECT_EQ(shot.pixel(fx * 32 + 16, fy * 32 + 16), Rgb(FloorColor));

  const TBitmap wall = LoadBitmapFromFile(kBin + "texture/wall.bmp");
  for (int y = 0; y < 32; y += 7)
    for (int x = 0; x < 32; x += 5)
      EXPECT_EQ(shot.pixel(wx * 32 + x, wy * 32 + y), Rgb(wall.Pixel(x, y)));

  // Box: its floor-coloured pixels show the floor beneath; the rest shows the box.
  const TBitmap box = LoadBitmapFromFile(kBin + "texture/box.bmp");
  const TBox& b = *g.FBoxes[0];
  const int bx = b.PosX() * 32, by = b.PosY() * 32;
  int transparent = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (box.Pixel(x, y) == FloorColor) {
        ++transparent;
        if (g.Cell(b.PosX(), b.PosY()) == ccBox) {
          ASSERT_EQ(shot.pixel(bx + x, by + y), Rgb(FloorColor)) << x << "," << y;
        }
      } else {
        ASSERT_EQ(shot.pixel(bx + x, by + y), Rgb(box.Pixel(x, y))) << x << "," << y;
      }
    }
  EXPECT_GT(transparent, 0) << "the box texture needs a floor-coloured surround";

  // Player: magenta pixels show the floor, the others the up-facing texture.
  const TBitmap up = LoadBitmapFromFile(kBin + "texture/wvU.bmp");
  const int px = g.FKeeper->PosX() * 32, py = g.FKeeper->PosY() * 32;
  int magenta = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (up.Pixel(x, y) == MaskMagenta) {
        ++magenta;
        ASSERT_EQ(shot.pixel(px + x, py + y), Rgb(FloorColor)) << x << "," << y;
      } else {
        ASSERT_EQ(shot.pixel(px + x, py + y), Rgb(up.Pixel(x, y))) << x << "," << y;
      }
    }
  EXPECT_GT(magenta, 0);
}

TEST(PlayWindow, ArrowKeysPlayAndF5StartsAgain) {
  PlayWindow w(kBin, nullptr, nullptr);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  TGame& g = w.Game();
  const int x0 = g.FKeeper->PosX(), y0 = g.FKeeper->PosY();
  // Try each direction until one moves; level 1 always lets the player move.
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left}) {
    QTest::keyClick(&w, k);
    if (g.FMoveCount > 0) break;
  }
  ASSERT_EQ(g.FMoveCount, 1);
  EXPECT_EQ(w.MovesText(), "moves: 1");
  EXPECT_NE(std::pair(g.FKeeper->PosX(), g.FKeeper->PosY()), std::pair(x0, y0));
  QTest::keyClick(&w, Qt::Key_F5);
  EXPECT_EQ(g.FMoveCount, 0);
  EXPECT_EQ(w.MovesText(), "moves: 0");
  EXPECT_EQ(std::pair(g.FKeeper->PosX(), g.FKeeper->PosY()), std::pair(x0, y0));
}

}  // namespace
