#include "Game.h"

#include "FileUtil.h"

namespace tw {

TGame::TGame(std::string AppDir, TGameServices Services)
    : FAppDir(std::move(AppDir)),
      FServices(Services),
      FWavePlayer(Services.WavePlayer ? Services.WavePlayer : &FNullWavePlayer) {}

TGame::~TGame() {
  // Figures report their hiding to the view; it may already be gone.
  FServices.View = nullptr;
}

void TGame::InvalidateRect(const TRect& R) {
  if (FServices.View) FServices.View->InvalidateRect(R);
}

void TGame::act_clearMapExecute() {
  FBoard.fill(ccFloor);
}

void TGame::act_load_backgroundExecute() {
  FFrame.Fill(FloorColor);
  if (FServices.View) FServices.View->FrameChanged();
}

void TGame::CreateKeeper() {
  const std::array<std::string, 4> files = {
      FAppDir + "texture/wvL.bmp", FAppDir + "texture/wvU.bmp", FAppDir + "texture/wvR.bmp",
      FAppDir + "texture/wvD.bmp"};
  FKeeper = std::make_unique<TTollywinder>(this, files, FStartX, FStartY, FImageLeft, FImageTop,
                                           MaskMagenta);
  FKeeper->LoadSound(FAppDir + "sound/steps.wav");
}

void TGame::AddBox(int X, int Y) {
  auto box = std::make_unique<TBox>(this, FAppDir + "texture/box.bmp", X, Y, FImageLeft, FImageTop,
                                    FloorColor);
  box->LoadSound(FAppDir + "sound/large-box.wav");
  FBoxes.push_back(std::move(box));
}

void TGame::ApplyChar(char Ch, int X, int Y, const TBitmap& WallTile, const TBitmap& TargetTile) {
  std::uint8_t& cell = FBoard[std::size_t(CellIndex(X, Y))];
  switch (Ch) {
    case '0':
      cell = ccFloor;
      break;
    case '1':
      BlitToFrame(WallTile, FFrame.Bits(), X * kCellSize, Y * kCellSize);
      cell = ccWall;
      break;
    case '2':
      AddBox(X, Y);
      cell = ccBox;
      break;
    case '3':
      FStartX = X;
      FStartY = Y;
      if (FKeeper) FKeeper->Walk(X, Y, std::uint8_t(vkUp), true);
      break;
    case '4':
      BlitToFrame(TargetTile, FFrame.Bits(), X * kCellSize, Y * kCellSize);
      cell = ccTarget;
      break;
    case '5':
      // A box that starts on its target: drawn and played like one pushed there.
      BlitToFrame(TargetTile, FFrame.Bits(), X * kCellSize, Y * kCellSize);
      AddBox(X, Y);
      cell = ccBoxOnTarget;
      break;
    default:
      break;
  }
}

void TGame::ApplyMapText(std::string_view Text, const TBitmap& WallTile,
                         const TBitmap& TargetTile) {
  int y = 0;
  std::size_t i = 0;
  while (i < Text.size() && y < kGridRows) {
    int x = 0;
    while (i < Text.size() && Text[i] != '\n' && Text[i] != '\r') {
      if (x < kGridCols) ApplyChar(Text[i], x, y, WallTile, TargetTile);
      ++x;
      ++i;
    }
    if (i < Text.size() && Text[i] == '\r') ++i;
    if (i < Text.size() && Text[i] == '\n') ++i;
    ++y;
  }
}

void TGame::LoadMap(const std::string& FileName) {
  try {
    const TBitmap wall = LoadBitmapFromFile(FAppDir + "texture/wall.bmp");
    const TBitmap target = LoadBitmapFromFile(FAppDir + "texture/cross.bmp");
    const std::vector<std::uint8_t> text = ReadFileBytes(FileName, kMaxMapBytes);
    ApplyMapText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), wall,
                 target);
  } catch (const std::exception& e) {
    if (FServices.ExceptionHandler)
      FServices.ExceptionHandler->HandleException(FServices.Sender, e);
    if (FServices.Dialogs)
      FServices.Dialogs->ShowMessage(std::string("Unexpected error: ") + e.what());
  }
  if (FServices.View) FServices.View->FrameChanged();
}

void TGame::LoadLevel(int Level) {
  LoadMap(FAppDir + "map/" + ZeroPad(Level, 2) + ".map");
  if (FServices.View) FServices.View->SetCaption(kCaptionPrefix + std::to_string(FLevel));
}

void TGame::StartLevel() {
  act_clearMapExecute();
  act_load_backgroundExecute();
  FBoxes.clear();
  FMoves = std::make_unique<TMemoryStream>();
  FMoveCount = 0;
  if (FServices.View) FServices.View->SetMovesCaption(MovesCaption());
  LoadLevel(FLevel);
  FInputLocked = false;
}

TBox* TGame::FindBox(int X, int Y) const {
  for (const auto& box : FBoxes) {
    if (box->PosX() == X && box->PosY() == Y) return box.get();
  }
  return nullptr;
}

bool TGame::AllBoxesOnTargets() const {
  for (const auto& box : FBoxes) {
    if (!InGrid(box->PosX(), box->PosY()) || Cell(box->PosX(), box->PosY()) != ccBoxOnTarget) {
      return false;
    }
  }
  return true;
}

TKeyResult TGame::FormKeyDown(std::uint16_t& Key) {
  TKeyResult result;
  int dx = 0, dy = 0;
  switch (Key) {
    case vkLeft:
      dx = -1;
      break;
    case vkUp:
      dy = -1;
      break;
    case vkRight:
      dx = 1;
      break;
    case vkDown:
      dy = 1;
      break;
    default:
      break;
  }
  const bool isC = Key == vkC;
  if (dx + dy == 0 && !isC) return result;
  if (FInputLocked || !FKeeper) return result;

  const int px = FKeeper->PosX(), py = FKeeper->PosY();
  const int tx = px + dx, ty = py + dy;
  TBox* box = FindBox(tx, ty);
  // Outside the grid counts as wall, so no rule reads or writes past it.
  const std::uint8_t target = InGrid(tx, ty) ? Cell(tx, ty) : std::uint8_t(ccWall);
  switch (target) {
    case ccFloor:
    case ccTarget:
      FKeeper->Walk(tx, ty, std::uint8_t(Key & 0xFF), false);
      result.Moved = true;
      break;
    case ccBox:
    case ccBoxOnTarget: {
      const int ux = px + 2 * dx, uy = py + 2 * dy;
      const std::uint8_t beyond = InGrid(ux, uy) ? Cell(ux, uy) : std::uint8_t(ccWall);
      if (beyond != ccFloor && beyond != ccTarget) break;
      if (box) box->Push(ux, uy, false);
      FKeeper->SetPosX(FKeeper->PosX() + dx);
      FKeeper->SetPosY(FKeeper->PosY() + dy);
      result.Moved = true;
      FBoard[std::size_t(CellIndex(ux, uy))] = beyond == ccFloor ? ccBox : ccBoxOnTarget;
      FBoard[std::size_t(CellIndex(tx, ty))] = target == ccBox ? ccFloor : ccTarget;
      break;
    }
    default:
      break;
  }

  if (!FReplaying && result.Moved) {
    ++FMoveCount;
    if (FMoves) FMoves->WriteByte(std::uint8_t(Key & 0xFF));
    if (FServices.View) FServices.View->SetMovesCaption(MovesCaption());
  }
  result.Won = !FReplaying && (isC || (box && AllBoxesOnTargets()));
  return result;
}

}  // namespace tw
