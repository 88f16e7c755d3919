#include <gtest/gtest.h>

#include "GameFixture.h"

using namespace tw;
using tw::test::GameFixture;

namespace {

TColor FramePixel(TGame& g, int px, int py) {
  return g.FFrame.Canvas().Pixel(px, py);
}
TColor CellInk(TGame& g, int x, int y) {
  return FramePixel(g, x * 32 + 5, y * 32 + 5);
}

TEST(Map, EachCharacterActsOnItsCell) {
  GameFixture f;
  f.Load("0123452a #9");
  TGame& g = *f.Game;
  const struct {
    int X;
    std::uint8_t Code;
    TColor Ink;
  } want[] = {{0, ccFloor, FloorColor},
              {1, ccWall, tw::test::kWallInk},
              {2, ccBox, FloorColor},
              {3, ccFloor, FloorColor},  // the player's cell
              {4, ccTarget, tw::test::kTargetInk},
              {5, ccBoxOnTarget, tw::test::kTargetInk},
              {6, ccBox, FloorColor},
              {7, ccFloor, FloorColor},
              {8, ccFloor, FloorColor},
              {9, ccFloor, FloorColor},
              {10, ccFloor, FloorColor}};
  for (const auto& w : want) {
    EXPECT_EQ(g.Cell(w.X, 0), w.Code) << "x=" << w.X;
    EXPECT_EQ(CellInk(g, w.X, 0), w.Ink) << "x=" << w.X;
  }
  // Boxes in reading order, including the one that starts on its target.
  ASSERT_EQ(g.FBoxes.size(), 3u);
  EXPECT_EQ(g.FBoxes[0]->PosX(), 2);
  EXPECT_EQ(g.FBoxes[1]->PosX(), 5);
  EXPECT_EQ(g.FBoxes[2]->PosX(), 6);
  EXPECT_EQ(g.FKeeper->PosX(), 3);
  EXPECT_EQ(g.FKeeper->Facing(), vkUp);
  EXPECT_EQ(g.FStartX, 3);
  EXPECT_EQ(g.FStartY, 0);
  EXPECT_TRUE(f.Player.Played.empty()) << "placing the player is silent";
  EXPECT_EQ(g.FBoxes[0]->SoundFile(), f.Folder.Dir() + "sound/large-box.wav");
  EXPECT_EQ(g.FBoxes[0]->OffsetY(), 147);
}

TEST(Map, BlankLinesAndLineEndings) {
  for (const char* text :
       {"1111\n\n1001\n", "1111\r\n\r\n1001\r\n", "1111\r\r1001", "1111\n\n1001"}) {
    GameFixture f;
    f.Load(text);
    TGame& g = *f.Game;
    for (int x = 0; x < 4; ++x) EXPECT_EQ(g.Cell(x, 0), ccWall) << text;
    for (int x = 0; x < 4; ++x) EXPECT_EQ(g.Cell(x, 1), ccFloor) << "row 1 untouched";
    EXPECT_EQ(g.Cell(0, 2), ccWall);
    EXPECT_EQ(g.Cell(1, 2), ccFloor);
    EXPECT_EQ(g.Cell(2, 2), ccFloor);
    EXPECT_EQ(g.Cell(3, 2), ccWall);
    EXPECT_EQ(CellInk(g, 3, 2), tw::test::kWallInk);
    EXPECT_EQ(CellInk(g, 0, 1), FloorColor);
  }
}

TEST(Map, OversizeMapsStayInsideGridAndFrame) {
  GameFixture f;
  std::string map;
  for (int row = 0; row < 25; ++row) map += std::string(40, row == 24 ? '2' : '1') + "\n";
  f.Load(map);
  TGame& g = *f.Game;
  EXPECT_EQ(g.Cell(31, 19), ccWall);
  EXPECT_EQ(g.Cell(32, 0), ccWall) << "column 32 exists in the grid";
  EXPECT_EQ(g.Cell(0, 20), ccWall) << "row 20 exists in the grid";
  EXPECT_TRUE(g.FBoxes.empty()) << "the 25th line lies past the grid";
  EXPECT_EQ(FramePixel(g, 1023, 639), tw::test::kWallInk);
}

TEST(Map, PlayerPlacement) {
  GameFixture f;
  f.Load("103\n310");
  EXPECT_EQ(f.Game->FKeeper->PosX(), 0) << "the later 3 wins";
  EXPECT_EQ(f.Game->FKeeper->PosY(), 1);
  f.Load("111");
  EXPECT_EQ(f.Game->FKeeper->PosX(), 0) << "no 3: the player stays";
  EXPECT_EQ(f.Game->FKeeper->PosY(), 1);
  EXPECT_EQ(f.Game->FKeeper->Left(), 0);
  EXPECT_EQ(f.Game->FKeeper->Top(), 147 + 32);
}

TEST(Map, OverlayLoadKeepsWhatWasThere) {
  GameFixture f;
  f.Load("12\n04");
  f.Folder.Write("extra.map", "0\n\n002");
  f.Game->LoadMap(f.Folder.File("extra.map"));
  TGame& g = *f.Game;
  EXPECT_EQ(g.Cell(0, 0), ccFloor) << "named cells change";
  EXPECT_EQ(CellInk(g, 0, 0), tw::test::kWallInk) << "but drawn walls stay";
  EXPECT_EQ(g.Cell(1, 1), ccTarget);
  ASSERT_EQ(g.FBoxes.size(), 2u);
  EXPECT_EQ(g.FBoxes[1]->PosY(), 2);
}

TEST(Map, LevelPathAndCaption) {
  GameFixture f;
  f.Folder.Write("map/07.map", "1");
  f.Folder.Write("map/12.map", "11");
  f.Game->FLevel = 7;
  f.Game->StartLevel();
  EXPECT_EQ(f.View.Caption, "Tollywinder v1.3 - level 7");
  EXPECT_EQ(f.Game->Cell(0, 0), ccWall);
  EXPECT_EQ(f.Game->Cell(1, 0), ccFloor);
  f.Game->FLevel = 12;
  f.Game->StartLevel();
  EXPECT_EQ(f.View.Caption, "Tollywinder v1.3 - level 12");
  EXPECT_EQ(f.Game->Cell(1, 0), ccWall);
  EXPECT_TRUE(f.Log.empty());
}

TEST(Map, MissingMapGoesToTheHandlerThenTheMessage) {
  GameFixture f;
  f.Game->FLevel = 3;
  f.Game->FInputLocked = true;
  f.Game->StartLevel();
  ASSERT_EQ(f.Log.size(), 2u);
  EXPECT_EQ(f.Log[0].rfind("handler: ", 0), 0u);
  EXPECT_NE(f.Log[0].find("map/03.map"), std::string::npos);
  EXPECT_EQ(f.Log[1], "message: Unexpected error: " + f.Log[0].substr(9));
  EXPECT_EQ(f.Handler.LastSender, &f.Sender);
  EXPECT_EQ(f.View.Caption, "Tollywinder v1.3 - level 3");
  EXPECT_FALSE(f.Game->FInputLocked);
}

TEST(Map, MissingWallTextureFailsBeforeTheMapIsRead) {
  GameFixture f;
  std::filesystem::remove(f.Folder.File("texture/wall.bmp"));
  f.Load("12");
  EXPECT_EQ(f.Game->Cell(0, 0), ccFloor);
  EXPECT_TRUE(f.Game->FBoxes.empty());
  EXPECT_EQ(f.Log.size(), 2u);
}

TEST(Map, FourBitTargetTileStopsTheReadWhereItIs) {
  GameFixture f;
  f.Folder.Write("texture/cross.bmp", EncodeBmp(TBitmap::Create(32, 32, TPixelFormat::pf4bit)));
  f.Load("12410");
  TGame& g = *f.Game;
  EXPECT_EQ(g.Cell(0, 0), ccWall);
  EXPECT_EQ(g.FBoxes.size(), 1u);
  EXPECT_EQ(g.Cell(2, 0), ccFloor) << "the failing character writes nothing";
  EXPECT_EQ(g.Cell(3, 0), ccFloor) << "the rest is not read";
  EXPECT_EQ(f.Log.at(1), "message: Unexpected error: Unknown pixel format");
}

TEST(Map, MissingBoxImageAndSoundAreNoFailure) {
  GameFixture f;
  std::filesystem::remove(f.Folder.File("texture/box.bmp"));
  std::filesystem::remove(f.Folder.File("sound/large-box.wav"));
  f.Load("2");
  ASSERT_EQ(f.Game->FBoxes.size(), 1u);
  EXPECT_EQ(f.Game->FBoxes[0]->PaintImage(), nullptr);
  EXPECT_TRUE(f.Game->FBoxes[0]->Sound().empty());
  EXPECT_TRUE(f.Log.empty());
}

}  // namespace
