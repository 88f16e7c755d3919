#include "FrameBuffer.h"

#include <algorithm>
#include <cstring>

#include "Errors.h"

namespace tw {

void TFrameBuffer::Fill(TColor Color) {
  // One row by pattern, then whole-row copies: the copies run at memcpy speed.
  std::uint8_t* row = FBits.data();
  for (int x = 0; x < kFrameWidth; ++x) {
    row[3 * x] = BlueOf(Color);
    row[3 * x + 1] = GreenOf(Color);
    row[3 * x + 2] = RedOf(Color);
  }
  for (int y = 1; y < kFrameHeight; ++y) std::memcpy(row + y * kFrameStride, row, kFrameStride);
}

int BytesPerPixel(TPixelFormat Format) {
  switch (Format) {
    case TPixelFormat::pf8bit:
      return 1;
    case TPixelFormat::pf16bit:
      return 2;
    case TPixelFormat::pf24bit:
      return 3;
    case TPixelFormat::pf32bit:
      return 4;
    default:
      return -1;
  }
}

void BlitToFrame(const TBitmap& Bitmap, std::uint8_t* Frame, int X, int Y) {
  if (BytesPerPixel(Bitmap.PixelFormat) < 1) throw EProjectError("Unknown pixel format");
  const int x0 = std::max(X, 0), x1 = std::min(X + Bitmap.Width, kFrameWidth);
  const int y0 = std::max(Y, 0), y1 = std::min(Y + Bitmap.Height, kFrameHeight);
  if (x0 >= x1 || y0 >= y1) return;
  for (int py = y0; py < y1; ++py) {
    const int r = py - Y;
    std::uint8_t* dst = Frame + (std::size_t(py) * kFrameWidth + std::size_t(x0)) * 3;
    if (Bitmap.PixelFormat == TPixelFormat::pf24bit) {
      std::memcpy(dst, Bitmap.ScanLine(r) + std::size_t(x0 - X) * 3, std::size_t(x1 - x0) * 3);
      continue;
    }
    for (int px = x0; px < x1; ++px) {
      TColor c = Bitmap.Pixel(px - X, r);
      *dst++ = BlueOf(c);
      *dst++ = GreenOf(c);
      *dst++ = RedOf(c);
    }
  }
}

void DrawTransparent(const TCanvas24& Canvas, int X, int Y, const TBitmap& Bitmap,
                     TColor TransparentColor) {
  if (Bitmap.Empty() || Bitmap.BitsPerPixel() == 0) return;
  const int x0 = std::max(X, 0), x1 = std::min(X + Bitmap.Width, Canvas.Width);
  const int y0 = std::max(Y, 0), y1 = std::min(Y + Bitmap.Height, Canvas.Height);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      TColor c = Bitmap.Pixel(px - X, py - Y);
      if (c == TransparentColor) continue;
      std::uint8_t* p = Canvas.At(px, py);
      p[0] = BlueOf(c);
      p[1] = GreenOf(c);
      p[2] = RedOf(c);
    }
  }
}

}  // namespace tw
