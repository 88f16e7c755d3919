// Bitmap files of any bytes: a decoded image or a clear error, and every use stays in bounds.
#include <cstddef>
#include <cstdint>

#include "Bitmap.h"
#include "Errors.h"
#include "FrameBuffer.h"
#include "Sprite.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TFrameBuffer frame;
  try {
    const TBitmap b = DecodeBmp({Data, Size});
    (void)b.ToBgr24();
    (void)MakeSprite(b, FloorColor, 64, 64);
    try {
      BlitToFrame(b, frame.Bits(), int(Size % 1100) - 40, int(Size % 700) - 30);
    } catch (const EProjectError&) {
    }
  } catch (const EBitmapError&) {
  }
  return 0;
}
