#include <gtest/gtest.h>

#include "Bitmap.h"
#include "TestUtil.h"

using namespace tw;

namespace {

// A colour per pixel that differs across rows and columns, so flips and shifts show.
TColor Pattern(int x, int y) {
  return MakeColor(std::uint8_t(x * 40), std::uint8_t(y * 50), 200);
}

// Fills any format with Pattern (through the palette for indexed formats).
TBitmap PatternBitmap(TPixelFormat f, int W, int H, std::uint32_t r = 0, std::uint32_t g = 0,
                      std::uint32_t b = 0) {
  TBitmap bm = TBitmap::Create(W, H, f);
  if (r) bm.RedMask = r, bm.GreenMask = g, bm.BlueMask = b;
  const int bpp = bm.BitsPerPixel();
  for (int y = 0; y < H; ++y) {
    std::uint8_t* row = bm.ScanLine(y);
    for (int x = 0; x < W; ++x) {
      unsigned index = unsigned(x + y * W) % (bpp <= 8 ? (1u << bpp) : 1u);
      switch (bpp) {
        case 1:
          row[x / 8] |= std::uint8_t((index & 1) << (7 - x % 8));
          break;
        case 4:
          row[x / 2] |= std::uint8_t(index << (x % 2 ? 0 : 4));
          break;
        case 8:
          row[x] = std::uint8_t(index);
          break;
        case 16: {
          // Quantise the pattern into the masks.
          TColor c = Pattern(x, y);
          auto put = [](std::uint32_t mask, std::uint8_t v) {
            int shift = __builtin_ctz(mask);
            std::uint32_t max = mask >> shift;
            return ((std::uint32_t(v) * max + 127) / 255) << shift;
          };
          std::uint32_t v = put(bm.RedMask, RedOf(c)) | put(bm.GreenMask, GreenOf(c)) |
                            put(bm.BlueMask, BlueOf(c));
          row[2 * x] = std::uint8_t(v), row[2 * x + 1] = std::uint8_t(v >> 8);
          break;
        }
        case 24: {
          TColor c = Pattern(x, y);
          row[3 * x] = BlueOf(c), row[3 * x + 1] = GreenOf(c), row[3 * x + 2] = RedOf(c);
          break;
        }
        case 32: {
          TColor c = Pattern(x, y);
          std::uint32_t v = (std::uint32_t(RedOf(c)) << __builtin_ctz(bm.RedMask)) |
                            (std::uint32_t(GreenOf(c)) << __builtin_ctz(bm.GreenMask)) |
                            (std::uint32_t(BlueOf(c)) << __builtin_ctz(bm.BlueMask));
          for (int k = 0; k < 4; ++k) row[4 * x + k] = std::uint8_t(v >> (8 * k));
          break;
        }
      }
    }
  }
  return bm;
}

struct FormatCase {
  const char* Name;
  TPixelFormat Format;
  std::uint32_t R, G, B;  // masks, 0 for the defaults
};

class BitmapFormats : public ::testing::TestWithParam<std::tuple<FormatCase, bool>> {};

TEST_P(BitmapFormats, DecodesWhatWasEncodedWithRowZeroOnTop) {
  const auto& [fc, topDown] = GetParam();
  const TBitmap original = PatternBitmap(fc.Format, 13, 5, fc.R, fc.G, fc.B);
  const TBitmap decoded = DecodeBmp(EncodeBmp(original, topDown));
  EXPECT_EQ(decoded.PixelFormat, fc.Format);
  EXPECT_EQ(decoded.Width, 13);
  EXPECT_EQ(decoded.Height, 5);
  ASSERT_EQ(decoded.Bits, original.Bits);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 13; ++x)
      ASSERT_EQ(decoded.Pixel(x, y), original.Pixel(x, y)) << x << "," << y;
  }
  const auto bgr = decoded.ToBgr24();
  ASSERT_EQ(bgr.size(), 13u * 5 * 3);
  EXPECT_EQ(MakeColor(bgr[2], bgr[1], bgr[0]), decoded.Pixel(0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    AllDepths, BitmapFormats,
    ::testing::Combine(
        ::testing::Values(FormatCase{"bpp1", TPixelFormat::pf1bit, 0, 0, 0},
                          FormatCase{"bpp4", TPixelFormat::pf4bit, 0, 0, 0},
                          FormatCase{"bpp8", TPixelFormat::pf8bit, 0, 0, 0},
                          FormatCase{"bpp16_555", TPixelFormat::pf16bit, 0, 0, 0},
                          FormatCase{"bpp16_565", TPixelFormat::pf16bit, 0xF800, 0x07E0, 0x001F},
                          FormatCase{"bpp24", TPixelFormat::pf24bit, 0, 0, 0},
                          FormatCase{"bpp32", TPixelFormat::pf32bit, 0, 0, 0},
                          FormatCase{"bpp32_rgba", TPixelFormat::pf32bit, 0xFF, 0xFF00, 0xFF0000}),
        ::testing::Bool()),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).Name) +
             (std::get<1>(info.param) ? "_topdown" : "");
    });

TEST(Bitmap, ReadsOldCoreHeaderAndV5Header) {
  // 2 x 2, 24 bits, BITMAPCOREHEADER: bottom-up rows of 6 bytes padded to 8.
  std::vector<std::uint8_t> core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0,  0,
                                    0,   12,  0, 0, 0, 2, 0, 2, 0, 1, 0,  24, 0};
  const std::uint8_t rows[] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  core.insert(core.end(), rows, rows + sizeof rows);
  TBitmap b = DecodeBmp(core);
  EXPECT_EQ(b.PixelFormat, TPixelFormat::pf24bit);
  EXPECT_EQ(b.Pixel(0, 0), MakeColor(9, 8, 7));  // the last stored row is the top
  EXPECT_EQ(b.Pixel(1, 1), MakeColor(6, 5, 4));

  // A 24-bit image behind a 124-byte header (the 84 extra bytes zero).
  const TBitmap ref = PatternBitmap(TPixelFormat::pf24bit, 3, 2);
  std::vector<std::uint8_t> v5 = EncodeBmp(ref);
  v5.insert(v5.begin() + 54, 84, 0);
  v5[14] = 124;
  v5[10] = 54 + 84;
  const TBitmap b5 = DecodeBmp(v5);
  EXPECT_EQ(b5.Bits, ref.Bits);
}

TEST(Bitmap, MalformedFilesAreRejectedWithAClearError) {
  const std::vector<std::uint8_t> good = EncodeBmp(PatternBitmap(TPixelFormat::pf8bit, 5, 3));
  auto with = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
    auto v = good;
    for (std::size_t i = 0; i < bytes.size(); ++i) v[at + i] = bytes[i];
    return v;
  };
  const struct {
    const char* Name;
    std::vector<std::uint8_t> Data;
  } cases[] = {
      {"empty", {}},
      {"no signature", with(0, {'X', 'M'})},
      {"unknown header size", with(14, {41})},
      {"two planes", with(26, {2})},
      {"7 bits per pixel", with(28, {7})},
      {"RLE8", with(30, {1})},
      {"bit fields on 8 bits", with(30, {3})},
      {"zero width", with(18, {0, 0, 0, 0})},
      {"zero height", with(22, {0, 0, 0, 0})},
      {"huge width", with(18, {0, 0, 1, 0})},
      {"most negative height", with(22, {0, 0, 0, 0x80})},
      {"pixel offset past the end", with(10, {0xFF, 0xFF, 0, 0})},
      {"pixel offset inside the header", with(10, {20, 0, 0, 0})},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(DecodeBmp(c.Data), EBitmapError) << c.Name;
  }
  try {
    DecodeBmp(with(0, {'X'}));
    FAIL();
  } catch (const EBitmapError& e) {
    EXPECT_NE(std::string(e.what()).find("not valid"), std::string::npos);
  }
}

TEST(Bitmap, EveryTruncationIsAnErrorNeverAReadPastTheEnd) {
  for (TPixelFormat f : {TPixelFormat::pf4bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
    const auto good =
        EncodeBmp(PatternBitmap(f, 7, 4, f == TPixelFormat::pf32bit ? 0xFF : 0, 0xFF00, 0xFF0000));
    for (std::size_t n = 0; n < good.size(); ++n) {
      std::vector<std::uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(n));
      EXPECT_THROW(DecodeBmp(cut), EBitmapError) << "length " << n;
    }
    EXPECT_NO_THROW(DecodeBmp(good));
  }
}

TEST(Bitmap, MissingFileNamesThePath) {
  try {
    LoadBitmapFromFile("/nonexistent/wall.bmp");
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/wall.bmp"), std::string::npos);
  }
}

}  // namespace
