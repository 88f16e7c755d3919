// The figures on the board: the player and the boxes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Bitmap.h"
#include "Sprite.h"
#include "Types.h"
#include "WavePlayer.h"

namespace tw {

struct TRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TRect&) const = default;
};

// What a figure needs from the window it lives on.
class IElementHost {
 public:
  virtual ~IElementHost() = default;
  virtual IWavePlayer& WavePlayer() = 0;
  // An area of the window (client pixels) whose look has changed.
  virtual void InvalidateRect(const TRect& R) = 0;
};

inline constexpr std::size_t kMaxSoundBytes = 16u << 20;

class TElement {
 public:
  TElement(IElementHost* Owner, const std::string& FileName, int X, int Y, int OffsetX,
           int OffsetY);
  virtual ~TElement() = default;
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;

  int PosX() const { return FPosX; }
  int PosY() const { return FPosY; }
  virtual void SetPosX(int Value);
  virtual void SetPosY(int Value);
  void MoveTo(int X, int Y);

  bool LoadImage(TBitmap& Bitmap, const std::string& FileName);
  void LoadSound(const std::string& FileName);

  // What Paint draws at (Left, Top): null when the figure paints nothing.
  virtual const TSprite* PaintImage() const;
  // The area the figure paints, in window pixels.
  TRect BoundsRect() const;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  bool Visible() const { return FVisible; }
  int CellSize() const { return FCellSize; }
  int OffsetX() const { return FOffsetX; }
  int OffsetY() const { return FOffsetY; }
  const std::string& SoundFile() const { return FSoundFile; }
  const std::vector<std::uint8_t>& Sound() const { return FSound; }
  const TBitmap& Bitmap() const { return FBitmap; }

  std::function<void(const TElement&)> FOnPainted;  // called after painting when assigned

 protected:
  virtual int PaintWidth() const { return FBitmap.Width; }
  virtual int PaintHeight() const { return FBitmap.Height; }
  void Hide();
  void Show();
  void PlaySound();

  IElementHost* FOwner;
  int FPosX;
  int FPosY;
  int FCellSize = 0;
  int FOffsetX;
  int FOffsetY;
  int FLeft = 0;
  int FTop = 0;
  bool FVisible = false;
  std::string FSoundFile;
  std::vector<std::uint8_t> FSound;
  TBitmap FBitmap;
  mutable TSprite FSprite;
  mutable bool FSpriteValid = false;
};

class TTollywinder : public TElement {
 public:
  TTollywinder(IElementHost* Owner, const std::array<std::string, 4>& FileNames, int X, int Y,
               int OffsetX, int OffsetY, TColor MaskColor);

  void Walk(int X, int Y, std::uint8_t Facing, bool Silent);
  void SetPosX(int Value) override;
  void SetPosY(int Value) override;
  const TSprite* PaintImage() const override;

  std::uint8_t Facing() const { return FFacing; }

 protected:
  int PaintWidth() const override { return kCellSize; }
  int PaintHeight() const override { return kCellSize; }

 private:
  std::uint8_t FFacing;
  std::array<TBitmap, 4> FTextures;  // left, up, right, down
  std::array<TSprite, 4> FImages;    // the textures with the mask colour transparent
};

class TBox : public TElement {
 public:
  TBox(IElementHost* Owner, const std::string& FileName, int X, int Y, int OffsetX, int OffsetY,
       TColor TransparentColor);

  void Push(int X, int Y, bool Silent);
  const TSprite* PaintImage() const override;
  TColor TransparentColor() const { return FTransparentColor; }

 private:
  TColor FTransparentColor;
};

}  // namespace tw
