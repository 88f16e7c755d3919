#include <gtest/gtest.h>

#include "GameFixture.h"

using namespace tw;
using tw::test::GameFixture;

namespace {

TEST(Figures, PlayerFacingSelectsItsImage) {
  GameFixture f;
  TTollywinder& p = *f.Game->FKeeper;
  EXPECT_EQ(p.Facing(), 1);
  EXPECT_EQ(p.PaintImage(), nullptr) << "facing 1 paints nothing";
  const char dirs[] = {37, 38, 39, 40};
  for (int i = 0; i < 4; ++i) {
    p.Walk(2, 2, std::uint8_t(dirs[i]), true);
    const TSprite* s = p.PaintImage();
    ASSERT_NE(s, nullptr);
    // (0,0) is opaque ink, (1,0) is magenta and so transparent.
    const TColor c = GameFixture::FacingInk(i);
    EXPECT_EQ(s->Pixels[0], 0xFF000000u | (std::uint32_t(RedOf(c)) << 16) |
                                (std::uint32_t(GreenOf(c)) << 8) | BlueOf(c));
    EXPECT_TRUE(s->Opaque(0, 0));
    EXPECT_FALSE(s->Opaque(1, 0));
  }
  p.Walk(2, 2, std::uint8_t(vkC), false);
  EXPECT_EQ(p.PaintImage(), nullptr) << "facing 67 paints nothing";
  EXPECT_EQ(f.Player.Played.size(), 1u) << "a step in place still plays the step";
}

TEST(Figures, SettersTurnAndMoveThePlayer) {
  GameFixture f;
  TTollywinder& p = *f.Game->FKeeper;
  p.Walk(3, 3, std::uint8_t(vkUp), true);
  f.View.Invalidated.clear();
  p.SetPosX(4);
  EXPECT_EQ(p.Facing(), vkRight);
  EXPECT_EQ(p.Left(), 4 * 32);
  // Hidden at the old place, shown at the new one.
  ASSERT_EQ(f.View.Invalidated.size(), 2u);
  EXPECT_EQ(f.View.Invalidated[0], (TRect{96, 147 + 96, 32, 32}));
  EXPECT_EQ(f.View.Invalidated[1], (TRect{128, 147 + 96, 32, 32}));
  p.SetPosX(4);
  EXPECT_EQ(p.Facing(), vkRight) << "same column: no turn";
  EXPECT_EQ(p.Left(), 128);
  p.SetPosY(2);
  EXPECT_EQ(p.Facing(), vkUp);
  p.SetPosY(3);
  EXPECT_EQ(p.Facing(), vkDown);
  p.SetPosX(1);
  EXPECT_EQ(p.Facing(), vkLeft);
  EXPECT_EQ(p.Top(), 147 + 3 * 32);
  EXPECT_TRUE(f.Player.Played.empty()) << "setters make no sound";
}

TEST(Figures, MoveToIgnoresNegativeAxes) {
  GameFixture f;
  TTollywinder& p = *f.Game->FKeeper;
  p.MoveTo(6, 2);
  p.MoveTo(-1, 5);
  EXPECT_EQ(p.PosX(), 6);
  EXPECT_EQ(p.PosY(), 5);
  EXPECT_EQ(p.Left(), 192);
  EXPECT_EQ(p.Top(), 147 + 160);
  EXPECT_TRUE(p.Visible());
}

TEST(Figures, BoxPaintsTheFloorColourTransparentAndPlaysItsSound) {
  GameFixture f;
  f.Load("2");
  TBox& b = *f.Game->FBoxes.at(0);
  const TSprite* s = b.PaintImage();
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(s->Opaque(0, 0));
  EXPECT_FALSE(s->Opaque(31, 15));
  EXPECT_TRUE(s->Opaque(1, 1));
  b.Push(1, 0, false);
  ASSERT_EQ(f.Player.Played.size(), 1u);
  EXPECT_EQ(std::string(f.Player.Played[0].begin(), f.Player.Played[0].end()), tw::test::kBoxSound);
  b.Push(2, 0, true);
  EXPECT_EQ(f.Player.Played.size(), 1u);
  EXPECT_EQ(b.Left(), 64);
}

TEST(Figures, MissingFilesLeaveAQuietBlankFigure) {
  GameFixture f(/*WithAssets=*/false);
  TTollywinder& p = *f.Game->FKeeper;
  EXPECT_EQ(p.CellSize(), 0);
  p.Walk(5, 5, std::uint8_t(vkUp), false);
  EXPECT_EQ(p.Left(), 0) << "no image: cell size 0 puts it at the playfield's corner";
  EXPECT_EQ(p.Top(), 147);
  EXPECT_EQ(p.PaintImage(), nullptr);
  EXPECT_TRUE(f.Player.Played.empty());
}

}  // namespace
