#include "Bitmap.h"

#include <bit>
#include <cstring>

#include "FileUtil.h"

namespace tw {
namespace {

constexpr std::uint32_t BI_RGB = 0, BI_BITFIELDS = 3;

[[noreturn]] void Invalid(const char* Why) {
  throw EBitmapError(std::string("Bitmap image is not valid: ") + Why);
}

std::uint16_t U16(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint16_t(d[at] | (d[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint32_t(d[at]) | (std::uint32_t(d[at + 1]) << 8) | (std::uint32_t(d[at + 2]) << 16) |
         (std::uint32_t(d[at + 3]) << 24);
}

std::size_t StrideFor(int Width, int Bpp) {
  return ((std::size_t(Width) * std::size_t(Bpp) + 31) / 32) * 4;
}

// Scales a masked channel to 0..255.
std::uint8_t Channel(std::uint32_t Value, std::uint32_t Mask) {
  if (Mask == 0) return 0;
  int shift = std::countr_zero(Mask);
  std::uint32_t max = Mask >> shift;
  std::uint32_t v = (Value & Mask) >> shift;
  return std::uint8_t((std::uint64_t(v) * 255u + max / 2) / max);
}

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

}  // namespace

int TBitmap::BitsPerPixel() const {
  switch (PixelFormat) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
      return 16;
    case TPixelFormat::pf24bit:
      return 24;
    case TPixelFormat::pf32bit:
      return 32;
    default:
      return 0;
  }
}

TColor TBitmap::Pixel(int X, int Y) const {
  const std::uint8_t* row = ScanLine(Y);
  auto fromPalette = [this](unsigned index) -> TColor {
    if (index >= Palette.size()) return 0;
    std::uint32_t p = Palette[index];
    return MakeColor(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
  };
  switch (PixelFormat) {
    case TPixelFormat::pf1bit:
      return fromPalette((row[X / 8] >> (7 - X % 8)) & 1);
    case TPixelFormat::pf4bit:
      return fromPalette((row[X / 2] >> (X % 2 ? 0 : 4)) & 15);
    case TPixelFormat::pf8bit:
      return fromPalette(row[X]);
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: {
      std::uint32_t v = std::uint32_t(row[2 * X] | (row[2 * X + 1] << 8));
      return MakeColor(Channel(v, RedMask), Channel(v, GreenMask), Channel(v, BlueMask));
    }
    case TPixelFormat::pf24bit:
      return MakeColor(row[3 * X + 2], row[3 * X + 1], row[3 * X]);
    case TPixelFormat::pf32bit: {
      const std::uint8_t* p = row + 4 * X;
      std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                        (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
      return MakeColor(Channel(v, RedMask), Channel(v, GreenMask), Channel(v, BlueMask));
    }
    default:
      return 0;
  }
}

std::vector<std::uint8_t> TBitmap::ToBgr24() const {
  std::vector<std::uint8_t> out;
  if (Empty()) return out;
  out.resize(std::size_t(Width) * std::size_t(Height) * 3);
  std::uint8_t* dst = out.data();
  for (int y = 0; y < Height; ++y) {
    if (PixelFormat == TPixelFormat::pf24bit) {
      std::memcpy(dst, ScanLine(y), std::size_t(Width) * 3);
      dst += std::size_t(Width) * 3;
      continue;
    }
    for (int x = 0; x < Width; ++x) {
      TColor c = Pixel(x, y);
      *dst++ = BlueOf(c);
      *dst++ = GreenOf(c);
      *dst++ = RedOf(c);
    }
  }
  return out;
}

TBitmap TBitmap::Create(int W, int H, TPixelFormat Format) {
  TBitmap b;
  b.Width = W;
  b.Height = H;
  b.PixelFormat = Format;
  int bpp = b.BitsPerPixel();
  if (W <= 0 || H <= 0 || W > kMaxBitmapSide || H > kMaxBitmapSide || bpp == 0) {
    throw EBitmapError("Bitmap image is not valid: unsupported size or format");
  }
  b.Stride = StrideFor(W, bpp);
  b.Bits.assign(b.Stride * std::size_t(H), 0);
  if (bpp <= 8) {
    int n = 1 << bpp;
    for (int i = 0; i < n; ++i) {
      std::uint32_t g = std::uint32_t(i * 255 / (n - 1));
      b.Palette.push_back((g << 16) | (g << 8) | g);
    }
  } else if (bpp == 16) {
    b.RedMask = 0x7C00, b.GreenMask = 0x03E0, b.BlueMask = 0x001F;
  } else if (bpp == 32) {
    b.RedMask = 0xFF0000, b.GreenMask = 0xFF00, b.BlueMask = 0xFF;
  }
  return b;
}

TBitmap DecodeBmp(std::span<const std::uint8_t> d) {
  if (d.size() < 14 + 12) Invalid("file too short");
  if (d[0] != 'B' || d[1] != 'M') Invalid("missing BM signature");
  const std::uint32_t offBits = U32(d, 10);
  const std::uint32_t hdrSize = U32(d, 14);
  const bool core = hdrSize == 12;
  if (!core && hdrSize != 40 && hdrSize != 52 && hdrSize != 56 && hdrSize != 64 && hdrSize != 108 &&
      hdrSize != 124) {
    Invalid("unknown header version");
  }
  if (d.size() < 14 + std::size_t(hdrSize)) Invalid("truncated header");

  std::int64_t width, height;
  std::uint16_t planes, bpp;
  std::uint32_t compression = BI_RGB, clrUsed = 0;
  if (core) {
    width = U16(d, 18);
    height = U16(d, 20);
    planes = U16(d, 22);
    bpp = U16(d, 24);
  } else {
    width = std::int32_t(U32(d, 18));
    height = std::int32_t(U32(d, 22));
    planes = U16(d, 26);
    bpp = U16(d, 28);
    compression = U32(d, 30);
    clrUsed = U32(d, 46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (planes != 1) Invalid("plane count is not 1");
  if (width <= 0 || height <= 0) Invalid("empty image");
  if (width > kMaxBitmapSide || height > kMaxBitmapSide) Invalid("image too large");

  TBitmap b;
  switch (bpp) {
    case 1:
      b.PixelFormat = TPixelFormat::pf1bit;
      break;
    case 4:
      b.PixelFormat = TPixelFormat::pf4bit;
      break;
    case 8:
      b.PixelFormat = TPixelFormat::pf8bit;
      break;
    case 16:
      b.PixelFormat = TPixelFormat::pf16bit;
      break;
    case 24:
      b.PixelFormat = TPixelFormat::pf24bit;
      break;
    case 32:
      b.PixelFormat = TPixelFormat::pf32bit;
      break;
    default:
      Invalid("unsupported bit count");
  }
  if (compression == BI_BITFIELDS) {
    if (bpp != 16 && bpp != 32) Invalid("bit fields need 16 or 32 bits per pixel");
  } else if (compression != BI_RGB) {
    Invalid("compressed bitmaps are not supported");
  }

  std::size_t after = 14 + hdrSize;  // where the masks (40-byte header) or the palette start
  if (bpp == 16) {
    b.RedMask = 0x7C00, b.GreenMask = 0x03E0, b.BlueMask = 0x001F;
  } else if (bpp == 32) {
    b.RedMask = 0xFF0000, b.GreenMask = 0xFF00, b.BlueMask = 0xFF;
  }
  if (compression == BI_BITFIELDS) {
    std::size_t at = 14 + 40;
    if (hdrSize == 40) {
      if (d.size() < after + 12) Invalid("truncated bit fields");
      after += 12;
    }
    b.RedMask = U32(d, at);
    b.GreenMask = U32(d, at + 4);
    b.BlueMask = U32(d, at + 8);
  }

  if (bpp <= 8) {
    const std::uint32_t maxColors = 1u << bpp;
    std::uint32_t n = clrUsed == 0 ? maxColors : clrUsed;
    if (n > maxColors) n = maxColors;
    const std::size_t entry = core ? 3 : 4;
    if (after + std::size_t(n) * entry > d.size()) Invalid("truncated colour table");
    b.Palette.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) {
      std::size_t at = after + i * entry;
      b.Palette[i] = (std::uint32_t(d[at + 2]) << 16) | (std::uint32_t(d[at + 1]) << 8) | d[at];
    }
  }

  b.Width = int(width);
  b.Height = int(height);
  b.Stride = StrideFor(b.Width, bpp);
  const std::size_t bytes = b.Stride * std::size_t(b.Height);
  if (offBits < 14 + hdrSize || offBits > d.size() || d.size() - offBits < bytes) {
    Invalid("truncated pixel data");
  }
  b.Bits.resize(bytes);
  for (int r = 0; r < b.Height; ++r) {
    int fileRow = topDown ? r : b.Height - 1 - r;
    std::memcpy(b.ScanLine(r), d.data() + offBits + std::size_t(fileRow) * b.Stride, b.Stride);
  }
  return b;
}

TBitmap LoadBitmapFromFile(const std::string& Path) {
  auto data = ReadFileBytes(Path, kMaxBitmapFileBytes);
  try {
    return DecodeBmp(data);
  } catch (const EBitmapError& e) {
    throw EBitmapError(std::string(e.what()) + " (" + Path + ")");
  }
}

std::vector<std::uint8_t> EncodeBmp(const TBitmap& b, bool TopDown) {
  const int bpp = b.BitsPerPixel();
  if (b.Empty() || bpp == 0) throw EBitmapError("Bitmap image is not valid: nothing to encode");
  const bool fields =
      (bpp == 16 && (b.RedMask != 0x7C00 || b.GreenMask != 0x03E0 || b.BlueMask != 0x001F)) ||
      (bpp == 32 && (b.RedMask != 0xFF0000 || b.GreenMask != 0xFF00 || b.BlueMask != 0xFF));
  const std::uint32_t colors = bpp <= 8 ? std::uint32_t(b.Palette.size()) : 0;
  const std::uint32_t off = 14 + 40 + (fields ? 12 : 0) + colors * 4;
  const std::uint32_t imageSize = std::uint32_t(b.Stride * std::size_t(b.Height));
  std::vector<std::uint8_t> out;
  out.reserve(off + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutLE(out, off + imageSize, 4);
  PutLE(out, 0, 4);
  PutLE(out, off, 4);
  PutLE(out, 40, 4);
  PutLE(out, std::uint32_t(b.Width), 4);
  PutLE(out, std::uint32_t(TopDown ? -b.Height : b.Height), 4);
  PutLE(out, 1, 2);
  PutLE(out, std::uint32_t(bpp), 2);
  PutLE(out, fields ? BI_BITFIELDS : BI_RGB, 4);
  PutLE(out, imageSize, 4);
  PutLE(out, 2835, 4);
  PutLE(out, 2835, 4);
  PutLE(out, colors, 4);
  PutLE(out, 0, 4);
  if (fields) {
    PutLE(out, b.RedMask, 4);
    PutLE(out, b.GreenMask, 4);
    PutLE(out, b.BlueMask, 4);
  }
  for (std::uint32_t i = 0; i < colors; ++i) PutLE(out, b.Palette[i], 4);
  for (int r = 0; r < b.Height; ++r) {
    int row = TopDown ? r : b.Height - 1 - r;
    out.insert(out.end(), b.ScanLine(row), b.ScanLine(row) + b.Stride);
  }
  return out;
}

}  // namespace tw
