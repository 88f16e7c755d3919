// Windows BMP files: our own reader (and a small writer for tools and tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "Types.h"

namespace tw {

enum class TPixelFormat {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};

class EBitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decoded bitmap in its file's own pixel format; scan line 0 is the image's top row.
struct TBitmap {
  int Width = 0;
  int Height = 0;
  TPixelFormat PixelFormat = TPixelFormat::pfDevice;
  std::size_t Stride = 0;              // bytes per scan line, a multiple of 4
  std::vector<std::uint8_t> Bits;      // Height scan lines, top row first
  std::vector<std::uint32_t> Palette;  // 0x00RRGGBB, for 1, 4 and 8 bits per pixel
  // Channel masks for 16 and 32 bits per pixel.
  std::uint32_t RedMask = 0, GreenMask = 0, BlueMask = 0;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  int BitsPerPixel() const;
  const std::uint8_t* ScanLine(int Row) const { return Bits.data() + std::size_t(Row) * Stride; }
  std::uint8_t* ScanLine(int Row) { return Bits.data() + std::size_t(Row) * Stride; }

  // The pixel's colour as a colour value (red in the low byte).
  TColor Pixel(int X, int Y) const;
  // All pixels as packed blue-green-red bytes, Width * 3 per row, top row first.
  std::vector<std::uint8_t> ToBgr24() const;

  // A blank image of the given format with default masks / a grey palette.
  static TBitmap Create(int Width, int Height, TPixelFormat Format);
};

inline constexpr int kMaxBitmapSide = 8192;
inline constexpr std::size_t kMaxBitmapFileBytes = 64u << 20;

// Throws EBitmapError ("Bitmap image is not valid: ...") for anything malformed or truncated.
TBitmap DecodeBmp(std::span<const std::uint8_t> Data);
// Throws EProjectError when the file cannot be read, EBitmapError when it is no valid bitmap.
TBitmap LoadBitmapFromFile(const std::string& Path);

// Encodes with a 40-byte header; masks other than the defaults are written as bit fields.
std::vector<std::uint8_t> EncodeBmp(const TBitmap& Bitmap, bool TopDown = false);

}  // namespace tw
