#include "Sprite.h"

#include <algorithm>

namespace tw {

TSprite MakeSprite(const TBitmap& Bitmap, std::optional<TColor> Transparent, int MaxWidth,
                   int MaxHeight) {
  TSprite s;
  if (Bitmap.Empty() || Bitmap.BitsPerPixel() == 0) return s;
  s.Width = std::min(Bitmap.Width, MaxWidth);
  s.Height = std::min(Bitmap.Height, MaxHeight);
  s.Pixels.resize(std::size_t(s.Width) * std::size_t(s.Height));
  std::uint32_t* out = s.Pixels.data();
  for (int y = 0; y < s.Height; ++y) {
    for (int x = 0; x < s.Width; ++x) {
      TColor c = Bitmap.Pixel(x, y);
      *out++ = (Transparent && c == *Transparent)
                   ? 0u
                   : 0xFF000000u | (std::uint32_t(RedOf(c)) << 16) |
                         (std::uint32_t(GreenOf(c)) << 8) | BlueOf(c);
    }
  }
  return s;
}

}  // namespace tw
