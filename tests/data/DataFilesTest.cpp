// Every data file the program names is there and well formed.
#include <gtest/gtest.h>

#include <set>

#include "Bitmap.h"
#include "FileUtil.h"
#include "MediaFiles.h"
#include "Types.h"

using namespace tw;

namespace {

const std::string kData = std::string(TW_SOURCE_DIR) + "/data/";

std::vector<std::uint8_t> Read(const std::string& rel) {
  return ReadFileBytes(kData + rel, 64u << 20);
}

TEST(DataFiles, TexturesAre32By32At24Bits) {
  for (const char* name : {"wall", "cross", "box", "wvL", "wvU", "wvR", "wvD"}) {
    const TBitmap b = LoadBitmapFromFile(kData + "texture/" + name + ".bmp");
    EXPECT_EQ(b.Width, 32) << name;
    EXPECT_EQ(b.Height, 32) << name;
    EXPECT_EQ(b.PixelFormat, TPixelFormat::pf24bit) << name;
  }
  // The box's surround is exactly the floor colour; the player's is magenta; the target sits
  // on the floor colour; a box on a target leaves part of the target in sight.
  const TBitmap box = LoadBitmapFromFile(kData + "texture/box.bmp");
  const TBitmap cross = LoadBitmapFromFile(kData + "texture/cross.bmp");
  EXPECT_EQ(box.Pixel(0, 0), FloorColor);
  EXPECT_EQ(box.Pixel(31, 31), FloorColor);
  int targetShowing = 0, floorInTarget = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      floorInTarget += cross.Pixel(x, y) == FloorColor;
      targetShowing += box.Pixel(x, y) == FloorColor && cross.Pixel(x, y) != FloorColor;
    }
  EXPECT_GT(floorInTarget, 300);
  EXPECT_GT(targetShowing, 40);
  for (const char* name : {"wvL", "wvU", "wvR", "wvD"}) {
    EXPECT_EQ(LoadBitmapFromFile(kData + "texture/" + name + ".bmp").Pixel(0, 0), MaskMagenta);
  }
}

TEST(DataFiles, SoundsArePcmOfTheirLengths) {
  const struct {
    const char* Name;
    double Min, Max;
  } sounds[] = {{"steps.wav", 0.03, 0.15},
                {"large-box.wav", 0.1, 0.3},
                {"finish-level.wav", 1.0, 2.0},
                {"finish-game.wav", 3.0, 6.0}};
  for (const auto& s : sounds) {
    const auto bytes = Read(std::string("sound/") + s.Name);
    const TWaveInfo w = ParseWave(bytes);
    EXPECT_EQ(w.Format, 1) << s.Name;
    EXPECT_EQ(w.BitsPerSample, 16) << s.Name;
    EXPECT_GE(w.Seconds(), s.Min) << s.Name;
    EXPECT_LE(w.Seconds(), s.Max) << s.Name;
    // Peak about -3 dBFS, never clipped.
    int peak = 0;
    for (std::size_t i = w.DataOffset; i + 1 < w.DataOffset + w.DataBytes; i += 2) {
      peak = std::max(peak, std::abs(int(std::int16_t(bytes[i] | bytes[i + 1] << 8))));
    }
    EXPECT_NEAR(peak, 23197, 300) << s.Name;
  }
}

TEST(DataFiles, MusicIsValidMidiOfTheRightLength) {
  std::set<std::vector<std::uint8_t>> pieces;
  for (int k = 0; k <= 21; ++k) {
    const std::string name = k == 0 ? "intro.mid" : "level" + ZeroPad(k, 2) + ".mid";
    const auto bytes = Read("music/" + name);
    const TMidiInfo m = ParseMidi(bytes);
    EXPECT_EQ(m.Format, 1) << name;
    ASSERT_GE(m.Tracks.size(), 3u) << name;
    std::size_t notes = 0, programs = 0;
    for (const auto& t : m.Tracks) {
      EXPECT_TRUE(t.EndOfTrack) << name;
      EXPECT_EQ(t.Ticks, m.Tracks[0].Ticks) << name << ": every track ends at the loop point";
      notes += t.Notes;
      programs += t.Programs.size();
    }
    EXPECT_GE(programs, 3u) << name << ": melody, harmony and bass";
    EXPECT_GT(notes, 100u) << name;
    EXPECT_GE(m.Seconds, 40) << name;
    EXPECT_LE(m.Seconds, 120) << name;
    EXPECT_TRUE(pieces.insert(bytes).second) << name << " is a copy";
  }
}

TEST(DataFiles, MalformedMediaIsRefused) {
  auto wave = Read("sound/steps.wav");
  auto midi = Read("music/level01.mid");
  for (std::size_t n : {std::size_t(0), std::size_t(11), std::size_t(30), wave.size() - 1}) {
    EXPECT_THROW(ParseWave(std::span(wave).first(n)), EMediaError) << n;
  }
  for (std::size_t n : {std::size_t(0), std::size_t(13), std::size_t(22), midi.size() - 1}) {
    EXPECT_THROW(ParseMidi(std::span(midi).first(n)), EMediaError) << n;
  }
  midi[14 + 7] ^= 0xFF;  // the first track's length
  EXPECT_THROW(ParseMidi(midi), EMediaError);
}

TEST(DataFiles, EveryLevelHasAMapAndARecording) {
  for (int k = 1; k <= 21; ++k) {
    EXPECT_TRUE(FileExists(kData + "map/" + ZeroPad(k, 2) + ".map")) << k;
    EXPECT_TRUE(FileExists(kData + "solutions/" + ZeroPad(k, 2) + ".wvr")) << k;
  }
}

}  // namespace
