// The board's state and the rules of play, owned by the main window.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Bitmap.h"
#include "Component.h"
#include "Dialogs.h"
#include "Element.h"
#include "ExceptionHandler.h"
#include "FrameBuffer.h"
#include "MemoryStream.h"
#include "Types.h"
#include "WavePlayer.h"

namespace tw {

// What the window shows of the game.
class IGameView {
 public:
  virtual ~IGameView() = default;
  virtual void SetCaption(const std::string& /*Text*/) {}
  virtual void SetMovesCaption(const std::string& /*Text*/) {}
  // The frame buffer's pixels were replaced or drawn into.
  virtual void FrameChanged() {}
  // A figure's area (window client pixels) must be painted again.
  virtual void InvalidateRect(const TRect& /*R*/) {}
};

struct TKeyResult {
  bool Moved = false;
  bool Won = false;
};

inline constexpr std::size_t kMaxMapBytes = 1u << 20;
inline constexpr const char* kCaptionPrefix = "Tollywinder v1.3 - level ";

struct TGameServices {
  IGameView* View = nullptr;
  IWavePlayer* WavePlayer = nullptr;
  IExceptionHandler* ExceptionHandler = nullptr;
  IDialogs* Dialogs = nullptr;
  const TComponent* Sender = nullptr;  // reported as the sender of the loader's errors
};

class TGame final : public IElementHost {
 public:
  // AppDir is the program folder with a trailing "/".
  TGame(std::string AppDir, TGameServices Services);
  ~TGame() override;

  // Board state (the main window's fields).
  std::array<std::uint8_t, kGridCells> FBoard{};
  int FStartX = 1;
  int FStartY = 1;
  int FLevel = 1;
  std::vector<std::unique_ptr<TBox>> FBoxes;
  std::unique_ptr<TTollywinder> FKeeper;
  std::string FAppDir;
  bool FInputLocked = false;
  bool FReplaying = false;
  int FMoveCount = 0;
  std::unique_ptr<TMemoryStream> FMoves;
  TFrameBuffer FFrame;
  // Left and top of the playfield image in the window; new figures take them as offsets.
  int FImageLeft = 0;
  int FImageTop = 147;

  std::uint8_t Cell(int X, int Y) const { return FBoard[std::size_t(CellIndex(X, Y))]; }
  std::uint8_t* FFrameBits() { return FFrame.Bits(); }

  void act_clearMapExecute();
  void act_load_backgroundExecute();
  // Creates the player on (FStartX, FStartY) with its four textures and its step sound.
  void CreateKeeper();
  // Reads a map file into the grid, the frame and the figures; reports its own failures.
  void LoadMap(const std::string& FileName);
  // The reading loop of LoadMap over text already in memory.
  void ApplyMapText(std::string_view Text, const TBitmap& WallTile, const TBitmap& TargetTile);
  void LoadLevel(int Level);
  // The board part of a level start: clear, refill, new boxes and recording, load, unlock.
  void StartLevel();

  TBox* FindBox(int X, int Y) const;
  bool AllBoxesOnTargets() const;
  // One key (a virtual-key code); says whether the player moved and whether the level is won.
  TKeyResult FormKeyDown(std::uint16_t& Key);

  std::string MovesCaption() const { return "moves: " + std::to_string(FMoveCount); }

  IWavePlayer& WavePlayer() override { return *FWavePlayer; }
  void InvalidateRect(const TRect& R) override;

 private:
  void ApplyChar(char Ch, int X, int Y, const TBitmap& WallTile, const TBitmap& TargetTile);
  void AddBox(int X, int Y);

  TGameServices FServices;
  TNullWavePlayer FNullWavePlayer;
  IWavePlayer* FWavePlayer;
};

}  // namespace tw
