#include "Element.h"

#include "FileUtil.h"

namespace tw {

TElement::TElement(IElementHost* Owner, const std::string& FileName, int X, int Y, int OffsetX,
                   int OffsetY)
    : FOwner(Owner), FPosX(X), FPosY(Y), FOffsetX(OffsetX), FOffsetY(OffsetY) {
  LoadImage(FBitmap, FileName);
  FLeft = FPosX * FCellSize + FOffsetX;
  FTop = FPosY * FCellSize + FOffsetY;
  Show();
}

bool TElement::LoadImage(TBitmap& Bitmap, const std::string& FileName) {
  if (!FileExists(FileName)) return false;
  try {
    Bitmap = LoadBitmapFromFile(FileName);
  } catch (const std::exception&) {
    return false;  // an unreadable image counts as a missing one
  }
  FCellSize = Bitmap.Width;
  if (&Bitmap == &FBitmap) FSpriteValid = false;
  return true;
}

void TElement::LoadSound(const std::string& FileName) {
  if (!FileExists(FileName)) return;
  try {
    FSound = ReadFileBytes(FileName, kMaxSoundBytes);
    FSoundFile = FileName;
  } catch (const std::exception&) {
    // An unreadable sound leaves the figure silent, like a missing one.
  }
}

TRect TElement::BoundsRect() const {
  return {FLeft, FTop, PaintWidth(), PaintHeight()};
}

void TElement::Hide() {
  if (!FVisible) return;
  FVisible = false;
  if (FOwner) FOwner->InvalidateRect(BoundsRect());
}

void TElement::Show() {
  if (FVisible) return;
  FVisible = true;
  if (FOwner) FOwner->InvalidateRect(BoundsRect());
}

void TElement::PlaySound() {
  if (FOwner && !FSound.empty()) FOwner->WavePlayer().PlayWaveFromMemory(FSound);
}

void TElement::MoveTo(int X, int Y) {
  Hide();
  if (X >= 0) {
    FPosX = X;
    FLeft = FCellSize * X + FOffsetX;
  }
  if (Y >= 0) {
    FPosY = Y;
    FTop = FCellSize * Y + FOffsetY;
  }
  Show();
}

void TElement::SetPosX(int Value) {
  MoveTo(Value, -1);
}

void TElement::SetPosY(int Value) {
  MoveTo(-1, Value);
}

const TSprite* TElement::PaintImage() const {
  if (!FSpriteValid) {
    FSprite = MakeSprite(FBitmap, std::nullopt);
    FSpriteValid = true;
  }
  return FSprite.Empty() ? nullptr : &FSprite;
}

TTollywinder::TTollywinder(IElementHost* Owner, const std::array<std::string, 4>& FileNames, int X,
                           int Y, int OffsetX, int OffsetY, TColor MaskColor)
    : TElement(Owner, FileNames[0], X, Y, OffsetX, OffsetY), FFacing(1) {
  for (std::size_t i = 0; i < 4; ++i) {
    LoadImage(FTextures[i], FileNames[i]);
    FImages[i] = MakeSprite(FTextures[i], MaskColor, kCellSize, kCellSize);
  }
  // The cell size may have changed with the textures; the figure was placed with the first.
  Hide();
  FLeft = FPosX * FCellSize + FOffsetX;
  FTop = FPosY * FCellSize + FOffsetY;
  Show();
}

void TTollywinder::Walk(int X, int Y, std::uint8_t Facing, bool Silent) {
  FFacing = Facing;
  if (!Silent) PlaySound();
  MoveTo(X, Y);
}

void TTollywinder::SetPosX(int Value) {
  if (Value > FPosX) {
    FFacing = std::uint8_t(vkRight);
  } else if (Value < FPosX) {
    FFacing = std::uint8_t(vkLeft);
  }
  TElement::SetPosX(Value);
}

void TTollywinder::SetPosY(int Value) {
  if (Value > FPosY) {
    FFacing = std::uint8_t(vkDown);
  } else if (Value < FPosY) {
    FFacing = std::uint8_t(vkUp);
  }
  TElement::SetPosY(Value);
}

const TSprite* TTollywinder::PaintImage() const {
  int index = int(FFacing) - vkLeft;
  if (index < 0 || index > 3 || FImages[std::size_t(index)].Empty()) return nullptr;
  return &FImages[std::size_t(index)];
}

TBox::TBox(IElementHost* Owner, const std::string& FileName, int X, int Y, int OffsetX, int OffsetY,
           TColor TransparentColor)
    : TElement(Owner, FileName, X, Y, OffsetX, OffsetY), FTransparentColor(TransparentColor) {}

void TBox::Push(int X, int Y, bool Silent) {
  if (!Silent) PlaySound();
  MoveTo(X, Y);
}

const TSprite* TBox::PaintImage() const {
  if (!FSpriteValid) {
    FSprite = MakeSprite(FBitmap, FTransparentColor);
    FSpriteValid = true;
  }
  return FSprite.Empty() ? nullptr : &FSprite;
}

}  // namespace tw
