#include <gtest/gtest.h>

#include <cstring>

#include "Errors.h"
#include "FrameBuffer.h"
#include "TestUtil.h"

using namespace tw;
using tw::test::MakeBitmap24;
using tw::test::SolidBitmap24;

namespace {

TEST(FrameBuffer, FillWritesBlueGreenRedToEveryPixel) {
  TFrameBuffer frame;
  std::memset(frame.Bits(), 0x55, kFrameBytes);
  frame.Fill(FloorColor);
  for (std::size_t i = 0; i < kFrameBytes; i += 3) {
    ASSERT_EQ(frame.Bits()[i], 182) << i;
    ASSERT_EQ(frame.Bits()[i + 1], 239) << i;
    ASSERT_EQ(frame.Bits()[i + 2], 254) << i;
  }
  EXPECT_EQ(FloorColor, 254u + 239u * 256u + 182u * 65536u);
}

TEST(FrameBuffer, BlitChangesExactlyTheTileRows) {
  TFrameBuffer frame;
  frame.Fill(FloorColor);
  std::vector<std::uint8_t> before(frame.Bits(), frame.Bits() + kFrameBytes);
  const TBitmap tile = MakeBitmap24(32, 32, [](int x, int y) { return MakeColor(x, y, 7); });
  BlitToFrame(tile, frame.Bits(), 64, 96);
  for (int py = 0; py < kFrameHeight; ++py) {
    for (int px = 0; px < kFrameWidth; ++px) {
      const std::size_t at = (std::size_t(py) * 1024 + std::size_t(px)) * 3;
      const bool inside = py >= 96 && py < 128 && px >= 64 && px < 96;
      if (inside) {
        ASSERT_EQ(frame.Canvas().Pixel(px, py), MakeColor(px - 64, py - 96, 7));
      } else {
        ASSERT_EQ(0, std::memcmp(frame.Bits() + at, before.data() + at, 3)) << px << "," << py;
      }
    }
  }
}

TEST(FrameBuffer, BytesPerPixelTable) {
  const struct {
    TPixelFormat Format;
    int Bytes;
  } table[] = {
      {TPixelFormat::pf8bit, 1},  {TPixelFormat::pf16bit, 2},   {TPixelFormat::pf24bit, 3},
      {TPixelFormat::pf32bit, 4}, {TPixelFormat::pfDevice, -1}, {TPixelFormat::pf1bit, -1},
      {TPixelFormat::pf4bit, -1}, {TPixelFormat::pf15bit, -1},  {TPixelFormat::pfCustom, -1}};
  for (const auto& row : table) EXPECT_EQ(BytesPerPixel(row.Format), row.Bytes);
}

TEST(FrameBuffer, TilesWithoutAByteSizeAreRefusedUntouched) {
  for (TPixelFormat f : {TPixelFormat::pf1bit, TPixelFormat::pf4bit}) {
    TFrameBuffer frame;
    frame.Fill(FloorColor);
    const std::vector<std::uint8_t> before(frame.Bits(), frame.Bits() + kFrameBytes);
    try {
      BlitToFrame(TBitmap::Create(32, 32, f), frame.Bits(), 0, 0);
      FAIL();
    } catch (const EProjectError& e) {
      EXPECT_STREQ(e.what(), "Unknown pixel format");
    }
    EXPECT_EQ(0, std::memcmp(frame.Bits(), before.data(), kFrameBytes));
  }
}

TEST(FrameBuffer, OtherDepthsAreConvertedToTheFramesPixels) {
  const TBitmap ref = MakeBitmap24(32, 32, [](int x, int y) {
    return MakeColor(std::uint8_t(x * 8), std::uint8_t(y * 8), 248);
  });
  for (TPixelFormat f : {TPixelFormat::pf8bit, TPixelFormat::pf16bit, TPixelFormat::pf32bit}) {
    TBitmap tile = TBitmap::Create(32, 32, f);
    if (f == TPixelFormat::pf8bit) {
      tile.Palette.assign(256, 0);
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          // Only 256 colours: reuse a column-per-index palette for the test row y = 0.
          tile.ScanLine(y)[x] = std::uint8_t(x);
          TColor c = ref.Pixel(x, 0);
          tile.Palette[std::size_t(x)] =
              (std::uint32_t(RedOf(c)) << 16) | (std::uint32_t(GreenOf(c)) << 8) | BlueOf(c);
        }
      }
    } else {
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          TColor c = ref.Pixel(x, y);
          std::uint8_t* p = tile.ScanLine(y) + (f == TPixelFormat::pf16bit ? 2 : 4) * x;
          if (f == TPixelFormat::pf16bit) {
            std::uint16_t v = std::uint16_t(((RedOf(c) >> 3) << 10) | ((GreenOf(c) >> 3) << 5) |
                                            (BlueOf(c) >> 3));
            p[0] = std::uint8_t(v), p[1] = std::uint8_t(v >> 8);
          } else {
            p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c), p[3] = 0xAA;
          }
        }
      }
    }
    TFrameBuffer frame;
    frame.Fill(FloorColor);
    BlitToFrame(tile, frame.Bits(), 32, 32);
    for (int x = 0; x < 32; ++x) {
      const TColor want = f == TPixelFormat::pf8bit ? ref.Pixel(x, 0) : ref.Pixel(x, 31);
      const TColor got = frame.Canvas().Pixel(32 + x, 32 + (f == TPixelFormat::pf8bit ? 0 : 31));
      // 5-bit channels are scaled back to 0..255.
      EXPECT_NEAR(RedOf(got), RedOf(want), 8) << int(f) << " x=" << x;
      EXPECT_NEAR(GreenOf(got), GreenOf(want), 8);
      EXPECT_NEAR(BlueOf(got), BlueOf(want), 8);
    }
  }
}

TEST(FrameBuffer, TilesAreClippedAtTheFrameEdges) {
  TFrameBuffer frame;
  frame.Fill(FloorColor);
  const TBitmap tile = SolidBitmap24(32, 32, MakeColor(1, 2, 3));
  BlitToFrame(tile, frame.Bits(), 1008, 624);  // half outside right and bottom
  BlitToFrame(tile, frame.Bits(), 1024, 0);    // column 32: wholly outside
  BlitToFrame(tile, frame.Bits(), 0, 640);     // row 20: wholly outside
  BlitToFrame(tile, frame.Bits(), -16, -16);   // half outside left and top
  const TCanvas24 c = frame.Canvas();
  EXPECT_EQ(c.Pixel(1023, 639), MakeColor(1, 2, 3));
  EXPECT_EQ(c.Pixel(1007, 639), FloorColor);
  EXPECT_EQ(c.Pixel(0, 0), MakeColor(1, 2, 3));
  EXPECT_EQ(c.Pixel(15, 15), MakeColor(1, 2, 3));
  EXPECT_EQ(c.Pixel(16, 16), FloorColor);
  EXPECT_EQ(c.Pixel(0, 639), FloorColor);
}

TEST(FrameBuffer, DrawTransparentKeepsTheCanvasUnderTheTransparentColour) {
  std::vector<std::uint8_t> bits(8 * 8 * 3, 9);
  const TCanvas24 canvas{bits.data(), 8, 8, 24};
  const TColor key = FloorColor, ink = MakeColor(10, 20, 30);

  DrawTransparent(canvas, 0, 0, SolidBitmap24(4, 4, ink), key);  // nothing transparent
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.Pixel(x, y), ink);

  const std::vector<std::uint8_t> before = bits;
  DrawTransparent(canvas, 4, 4, SolidBitmap24(4, 4, key), key);  // all transparent
  EXPECT_EQ(bits, before);

  // A checkerboard, partly off the canvas.
  const TBitmap checker = MakeBitmap24(4, 4, [&](int x, int y) { return (x + y) % 2 ? ink : key; });
  DrawTransparent(canvas, 6, 6, checker, key);
  EXPECT_EQ(canvas.Pixel(6, 6), MakeColor(9, 9, 9));
  EXPECT_EQ(canvas.Pixel(7, 6), ink);
  EXPECT_EQ(canvas.Pixel(7, 7), MakeColor(9, 9, 9));
}

TEST(Types, ZeroPad) {
  EXPECT_EQ(ZeroPad(1, 2), "01");
  EXPECT_EQ(ZeroPad(21, 2), "21");
  EXPECT_EQ(ZeroPad(7, 3), "007");
  EXPECT_EQ(ZeroPad(1234567, 6), "1234567");
  EXPECT_EQ(ZeroPad(-5, 3), "-005");
}

}  // namespace
