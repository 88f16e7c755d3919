#include <gtest/gtest.h>

#include "GameFixture.h"

using namespace tw;
using tw::test::GameFixture;

namespace {

constexpr std::uint16_t L = vkLeft, U = vkUp, R = vkRight, D = vkDown, C = vkC;

struct KeyCase {
  const char* Name;
  const char* Map;
  std::vector<std::uint16_t> Keys;
  // Expected after the last key:
  bool Moved, Won;
  int Count;             // FMoveCount
  const char* Recorded;  // FMoves as key letters: L U R D C
  int PlayerX, PlayerY;
  const char* Row;  // the cell codes of the player's row, as digits
};

std::string Letters(const TMemoryStream& s) {
  std::string out;
  for (std::uint8_t b : s.Bytes())
    out += b == L ? 'L' : b == U ? 'U' : b == R ? 'R' : b == D ? 'D' : b == C ? 'C' : '?';
  return out;
}

std::string RowCodes(const TGame& g, int y) {
  std::string out;
  for (int x = 0; x < 8; ++x) out += char('0' + g.Cell(x, y));
  return out;
}

void PrintTo(const KeyCase& k, std::ostream* os) {
  *os << k.Name;
}

class Rules : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Rules, KeyTable) {
  const KeyCase& k = GetParam();
  GameFixture f;
  f.Load(k.Map);
  TKeyResult r;
  for (std::uint16_t key : k.Keys) {
    std::uint16_t copy = key;
    r = f.Game->FormKeyDown(copy);
    EXPECT_EQ(copy, key) << "the key is left as it was";
  }
  EXPECT_EQ(r.Moved, k.Moved);
  EXPECT_EQ(r.Won, k.Won);
  EXPECT_EQ(f.Game->FMoveCount, k.Count);
  EXPECT_EQ(Letters(*f.Game->FMoves), k.Recorded);
  EXPECT_EQ(f.View.Moves, "moves: " + std::to_string(k.Count));
  EXPECT_EQ(f.Game->FKeeper->PosX(), k.PlayerX);
  EXPECT_EQ(f.Game->FKeeper->PosY(), k.PlayerY);
  EXPECT_EQ(RowCodes(*f.Game, k.PlayerY), k.Row);
}

// Row 1 of each map is the player's row; everything is enclosed except where a case says not.
INSTANTIATE_TEST_SUITE_P(
    Moves, Rules,
    ::testing::Values(
        KeyCase{"wall_ahead", "111\n131\n111", {R}, false, false, 0, "", 1, 1, "10100000"},
        KeyCase{"step_onto_target", "1111\n1341\n1111", {R}, true, false, 1, "R", 2, 1, "10410000"},
        KeyCase{"push_onto_last_target_wins",
                "11111\n13241\n11111",
                {R},
                true,
                true,
                1,
                "R",
                2,
                1,
                "10051000"},
        KeyCase{"push_off_a_target",
                "111111\n135001\n111111",
                {R},
                true,
                false,
                1,
                "R",
                2,
                1,
                "10420100"},
        KeyCase{"blocked_by_wall", "1111\n1321\n1111", {R}, false, false, 0, "", 1, 1, "10210000"},
        KeyCase{
            "blocked_by_box", "111111\n132241\n111111", {R}, false, false, 0, "", 1, 1, "10224100"},
        KeyCase{"blocked_push_wins_when_all_boxes_are_home",
                "11111\n13551\n11111",
                {R},
                false,
                true,
                0,
                "",
                1,
                1,
                "10551000"},
        KeyCase{"push_with_a_box_still_off_target",
                "1111111\n1324021\n1111111",
                {R},
                true,
                false,
                1,
                "R",
                2,
                1,
                "10050210"},
        KeyCase{"c_completes_at_once", "111\n131\n111", {C}, true, true, 1, "C", 1, 1, "10100000"},
        KeyCase{"other_keys_do_nothing",
                "1111\n1301\n1111",
                {32, 13, 65, 0, 116},
                false,
                false,
                0,
                "",
                1,
                1,
                "10010000"},
        KeyCase{"a_walk_and_back",
                "11111\n13001\n11111",
                {R, R, L, U, L},
                true,
                false,
                4,
                "RRLL",
                1,
                1,
                "10001000"},
        KeyCase{"grid_edge_counts_as_wall", "3", {L, U}, false, false, 0, "", 0, 0, "00000000"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RulesDetail, StepPlaysTheStepSoundAndPushOnlyTheBoxSound) {
  GameFixture f;
  f.Load("111111\n130201\n111111");
  f.Keys({R});
  f.Keys({R});
  ASSERT_EQ(f.Player.Played.size(), 2u);
  EXPECT_EQ(std::string(f.Player.Played[0].begin(), f.Player.Played[0].end()),
            tw::test::kStepSound);
  EXPECT_EQ(std::string(f.Player.Played[1].begin(), f.Player.Played[1].end()), tw::test::kBoxSound);
  EXPECT_EQ(f.Game->FKeeper->Facing(), vkRight);
  EXPECT_EQ(f.Game->FBoxes[0]->PosX(), 4);
}

TEST(RulesDetail, InputLockIgnoresEveryKey) {
  GameFixture f;
  f.Load("11111\n13241\n11111");
  f.Game->FInputLocked = true;
  EXPECT_FALSE(f.Keys({C}).Won);
  EXPECT_FALSE(f.Keys({R}).Moved);
  f.Game->FReplaying = true;
  EXPECT_FALSE(f.Keys({R}).Moved) << "a replayed byte is ignored under the lock too";
  EXPECT_EQ(f.Game->FMoveCount, 0);
  EXPECT_EQ(f.Game->Cell(2, 1), ccBox);
}

TEST(RulesDetail, ReplayingMovesWithoutCountingRecordingOrWinning) {
  GameFixture f;
  f.Load("11111\n13241\n11111");
  f.View.Moves = "untouched";
  f.Game->FReplaying = true;
  TKeyResult r = f.Keys({R});
  EXPECT_TRUE(r.Moved);
  EXPECT_FALSE(r.Won);
  EXPECT_FALSE(f.Keys({C}).Won);
  EXPECT_EQ(f.Game->Cell(3, 1), ccBoxOnTarget);
  EXPECT_EQ(f.Game->FMoveCount, 0);
  EXPECT_EQ(f.Game->FMoves->Size(), 0u);
  EXPECT_EQ(f.View.Moves, "untouched");
  // Back in normal play, a blocked push at the box wins: every box is home.
  f.Game->FReplaying = false;
  f.Game->FKeeper->Walk(2, 1, std::uint8_t(vkUp), true);
  EXPECT_TRUE(f.Keys({R}).Won);
}

TEST(RulesDetail, KeysBetweenReplayTicksLandAtTheStreamPosition) {
  GameFixture f;
  f.Load("1111111\n1300001\n1111111");
  f.Game->FMoves = std::make_unique<TMemoryStream>(std::vector<std::uint8_t>{R, R, R});
  std::uint8_t b = 0;
  ASSERT_TRUE(f.Game->FMoves->ReadByte(b));
  f.Keys({L});  // into the wall: nothing written
  f.Keys({R});  // a counted move overwrites the next recorded byte
  EXPECT_EQ(Letters(*f.Game->FMoves), "RRR");
  f.Keys({L});
  EXPECT_EQ(Letters(*f.Game->FMoves), "RRL");
  f.Keys({D});
  f.Keys({R});
  EXPECT_EQ(Letters(*f.Game->FMoves), "RRLR") << "past the end the bytes are appended";
}

TEST(RulesDetail, TwoBoxesOnOneCellPushTheFirstMade) {
  GameFixture f;
  f.Load("111111\n132001\n111111");
  f.Folder.Write("over.map", "\n002");
  f.Game->LoadMap(f.Folder.File("over.map"));
  ASSERT_EQ(f.Game->FBoxes.size(), 2u);
  EXPECT_EQ(f.Game->FindBox(2, 1), f.Game->FBoxes[0].get());
  f.Keys({R});
  EXPECT_EQ(f.Game->FBoxes[0]->PosX(), 3);
  EXPECT_EQ(f.Game->FBoxes[1]->PosX(), 2);
}

TEST(RulesDetail, PushAgainstTheGridEdgeIsBlocked) {
  GameFixture f;
  f.Load(std::string(31, '0') + "32\n" + std::string(32, '0') + "2");
  ASSERT_EQ(f.Game->FKeeper->PosX(), 31);
  EXPECT_FALSE(f.Keys({R}).Moved) << "the cell beyond lies outside the grid";
  EXPECT_EQ(f.Game->Cell(32, 0), ccBox);
  f.Game->FKeeper->Walk(32, 0, std::uint8_t(vkUp), true);  // stand on column 32, row 0
  f.Game->FBoard[std::size_t(CellIndex(32, 0))] = ccFloor;
  EXPECT_FALSE(f.Keys({R}).Moved);
  EXPECT_FALSE(f.Keys({U}).Moved);
  // Row 20 is the last one: a box there cannot be pushed down.
  f.Load(std::string(19, '\n') + "03\n02");
  ASSERT_EQ(f.Game->FKeeper->PosY(), 19);
  EXPECT_FALSE(f.Keys({D}).Moved);
  EXPECT_EQ(f.Game->Cell(1, 20), ccBox);
}

TEST(RulesDetail, AllBoxesOnTargets) {
  GameFixture f;
  f.Load("1");
  EXPECT_TRUE(f.Game->AllBoxesOnTargets()) << "no boxes";
  f.Load("552");
  EXPECT_FALSE(f.Game->AllBoxesOnTargets());
  f.Load("55");
  EXPECT_TRUE(f.Game->AllBoxesOnTargets());
}

TEST(RulesDetail, CStandingOnABoxCellWinsWithoutAMove) {
  GameFixture f;
  f.Load("111\n131\n111");
  f.Game->FBoard[std::size_t(CellIndex(1, 1))] = ccBox;
  TKeyResult r = f.Keys({C});
  EXPECT_FALSE(r.Moved);
  EXPECT_TRUE(r.Won);
  EXPECT_EQ(f.Game->FMoveCount, 0);
}

}  // namespace
