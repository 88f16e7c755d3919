#include <gtest/gtest.h>

#include "IntText.h"
#include "ProfileFile.h"
#include "TestUtil.h"

using namespace tw;

namespace {

TEST(Profile, ReadingRules) {
  const std::string longValue(3000, 'v');
  const TProfileDocument doc(
      "; a comment\r\n"
      "[other]\r\n"
      "Nick=wrong section\r\n"
      "  [ General ]  \r\n"
      "plain=value\r\n"
      "  blanks  =   around it   \r\n"
      "dq=\"quoted\"\r\n"
      "sq=' single '\r\n"
      "mixed=\"half'\r\n"
      "lonequote=\"\r\n"
      "inner=a \"b\" c\r\n"
      "empty=\r\n"
      "NICK=first\r\n"
      "nick=second\r\n"
      "noequals\r\n"
      "long=" +
      longValue +
      "\n"
      "eq=a=b\n"
      "[next]\n"
      "after=x");
  const struct {
    const char* Key;
    const char* Want;
  } cases[] = {
      {"plain", "value"},        {"blanks", "around it"},
      {"dq", "quoted"},          {"sq", " single "},
      {"mixed", "\"half'"},      {"lonequote", "\""},
      {"inner", "a \"b\" c"},    {"empty", ""},
      {"Nick", "first"},         {"missing", "<default>"},
      {"noequals", "<default>"}, {"eq", "a=b"},
      {"after", "<default>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(doc.ReadString("general", c.Key, "<default>"), c.Want) << c.Key;
  }
  EXPECT_EQ(doc.ReadString("general", "long", ""), longValue.substr(0, 2047));
  EXPECT_EQ(doc.ReadString("NEXT", "after", ""), "x");
  EXPECT_EQ(doc.ReadString("absent", "plain", "d"), "d");
}

TEST(Profile, IntegerText) {
  const struct {
    const char* Text;
    std::optional<std::int32_t> Want;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"  -17", -17},
      {"+5", 5},
      {"0x10", 16},
      {"0X1f", 31},
      {"$FF", 255},
      {"$FFFFFFFF", -1},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"12a", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"1 ", std::nullopt},
      {"- 1", std::nullopt},
      {"1.5", std::nullopt},
      {"0x1G", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt32(c.Text), c.Want) << '"' << c.Text << '"';
}

TEST(Profile, WritesUpdateInPlaceAndKeepEverythingElse) {
  TProfileDocument doc(
      "; keep me\r\n"
      "[general]\r\n"
      "Nick=old\r\n"
      "unrelated = 1\n"
      "\r\n"
      "[other]\r\n"
      "Nick=other section\r\n");
  doc.WriteString("general", "nick", "new");  // names compare without case
  doc.WriteString("general", "Email", "a@b.cd");
  doc.WriteString("third", "x", "1");
  EXPECT_EQ(doc.Text(),
            "; keep me\r\n"
            "[general]\r\n"
            "nick=new\r\n"
            "unrelated = 1\n"
            "Email=a@b.cd\r\n"
            "\r\n"
            "[other]\r\n"
            "Nick=other section\r\n"
            "[third]\r\n"
            "x=1\r\n");
}

TEST(Profile, FirstWriteCreatesTheSectionAndALastLineGetsItsEnding) {
  TProfileDocument empty;
  empty.WriteString("general", "a", "1");
  EXPECT_EQ(empty.Text(), "[general]\r\na=1\r\n");
  TProfileDocument unterminated("[general]\r\nb=2");
  unterminated.WriteString("general", "c", "line\r\nbreak");
  EXPECT_EQ(unterminated.Text(), "[general]\r\nb=2\r\nc=line  break\r\n");
}

TEST(Profile, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  const std::string path = dir.File("app.ini");
  WriteFileAtomically(path, "first");
  WriteFileAtomically(path, "second");
  EXPECT_EQ(ReadProfileFile(path).Text(), "second");
  std::size_t files = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Dir())) ++files;
  EXPECT_EQ(files, 1u);
  EXPECT_THROW(WriteFileAtomically("/nonexistent-folder/app.ini", "x"), std::exception);
  // A link the user made at app.ini stays a link; the file it names gets the new content.
  const std::string real = dir.File("real.ini");
  WriteFileAtomically(real, "old");
  std::filesystem::remove(path);
  std::filesystem::create_symlink(real, path);
  WriteFileAtomically(path, "new");
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(ReadProfileFile(real).Text(), "new");
}

}  // namespace
