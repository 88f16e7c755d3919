// The playfield's picture: 1024 x 640 pixels of blue, green, red bytes, top-down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Bitmap.h"
#include "Types.h"

namespace tw {

inline constexpr int kFrameWidth = 1024;
inline constexpr int kFrameHeight = 640;
inline constexpr std::size_t kFrameStride = kFrameWidth * 3;
inline constexpr std::size_t kFrameBytes = kFrameStride * kFrameHeight;

// A view of 24-bit blue-green-red pixels; the frame buffer and the tests' canvases use it.
struct TCanvas24 {
  std::uint8_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  std::size_t Stride = 0;

  std::uint8_t* At(int X, int Y) const {
    return Bits + std::size_t(Y) * Stride + std::size_t(X) * 3;
  }
  TColor Pixel(int X, int Y) const {
    const std::uint8_t* p = At(X, Y);
    return MakeColor(p[2], p[1], p[0]);
  }
};

class TFrameBuffer {
 public:
  TFrameBuffer() : FBits(kFrameBytes) {}
  std::uint8_t* Bits() { return FBits.data(); }
  const std::uint8_t* Bits() const { return FBits.data(); }
  TCanvas24 Canvas() { return {FBits.data(), kFrameWidth, kFrameHeight, kFrameStride}; }
  void Fill(TColor Color);

 private:
  std::vector<std::uint8_t> FBits;
};

// Bytes per pixel of a format, -1 when the format cannot be drawn into the frame.
int BytesPerPixel(TPixelFormat Format);

// Copies Bitmap into the frame with its top-left corner at (X, Y), converted to 24 bits and
// clipped to the frame. Throws EProjectError("Unknown pixel format") for formats without a size.
void BlitToFrame(const TBitmap& Bitmap, std::uint8_t* Frame, int X, int Y);

// Draws Bitmap at (X, Y); its pixels of TransparentColor leave the canvas as it was.
void DrawTransparent(const TCanvas24& Canvas, int X, int Y, const TBitmap& Bitmap,
                     TColor TransparentColor);

}  // namespace tw
