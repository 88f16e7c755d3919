// Every committed recording wins its level through the game's own rules.
#include <gtest/gtest.h>

#include "FileUtil.h"
#include "LevelFile.h"
#include "Types.h"

using namespace tw;

namespace {

const std::string kData = std::string(TW_SOURCE_DIR) + "/data/";

TEST(Levels, EachCommittedRecordingWinsItsLevel) {
  for (int k = 1; k <= 21; ++k) {
    const std::string n = ZeroPad(k, 2);
    const auto map = ReadFileBytes(kData + "map/" + n + ".map", 1 << 20);
    const auto moves = ReadFileBytes(kData + "solutions/" + n + ".wvr", 1 << 20);
    const std::string text(map.begin(), map.end());
    const levels::TLevelCheck check = levels::CheckLevel(text);
    EXPECT_TRUE(check.Errors.empty()) << n << ": " << (check.Errors.empty() ? "" : check.Errors[0]);
    std::string why;
    EXPECT_TRUE(levels::ReplayWins(text, moves, &why)) << n << ": " << why;
  }
}

TEST(Levels, TheCheckerRefusesBrokenMaps) {
  const struct {
    const char* Map;
    const char* Error;
  } cases[] = {
      {"1111\n1321\n1111", "boxes but"},
      {"11111\n13241\n11111\n3", "exactly one player"},
      {"11111\n10241\n11111", "exactly one player"},
      {"1111111\n1302041\n1000001", "not enclosed"},
      {"111111\n132x41\n111111", "character other than 0-5"},
      {"111111111111111111111111111111111\n132411\n111111", "longer than 32"},
  };
  for (const auto& c : cases) {
    const auto check = levels::CheckLevel(c.Map);
    std::string all;
    for (const auto& e : check.Errors) all += e + ";";
    EXPECT_NE(all.find(c.Error), std::string::npos) << c.Map << " -> " << all;
  }
  std::string why;
  EXPECT_FALSE(levels::ReplayWins("11111\n13241\n11111", {38, 39}, &why));
  EXPECT_NE(why.find("refused"), std::string::npos) << why;
  EXPECT_FALSE(levels::ReplayWins("111111\n132041\n111111", {39}, &why));
  EXPECT_NE(why.find("does not win"), std::string::npos) << why;
}

}  // namespace
