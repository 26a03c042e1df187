#include "convert/TextOperations.h"

#include <gtest/gtest.h>

#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::Bytes;
using testing::Gbk;

TEST(CompareText, OrdersByUnsignedBytes) {
  struct Row {
    const char* sentence;
    std::string a, b;
    int expected;
  };
  const Row rows[] = {
      {"an empty text equals another empty text", "", "", 0},
      {"a text sorts after its own beginning", "abc", "ab", 1},
      {"a beginning sorts before the whole text", "ab", "abc", -1},
      {"a byte of B0 sorts after a byte of 41", Bytes("B0"), "A", 1},
      {"upper case sorts before lower case", "A", "a", -1},
      {"equal GBK texts are equal", Gbk("年"), Gbk("年"), 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(CompareText(r.a, r.b), r.expected);
  }
}

TEST(TextLength, CountsBytesNotCharacters) {
  EXPECT_EQ(TextLength(Gbk("年月")), 4);
  EXPECT_EQ(TextLength(""), 0);
}

TEST(ConcatText, JoinsPiecesAndSkipsEmptyOnes) {
  EXPECT_EQ(ConcatText({"", "ab", ""}), "ab");
  EXPECT_EQ(ConcatText({"", ""}), "");
  EXPECT_EQ(ConcatText({"2000", Gbk("年"), "03"}), "2000" + Gbk("年") + "03");
}

TEST(SplitText, KeepsTheMembersTheRulesSay) {
  struct Row {
    const char* sentence;
    std::string text;
    std::string delimiter;
    std::optional<std::int64_t> maximum;
    TextArray expected;
  };
  const Row rows[] = {
      {"adjacent delimiters give an empty member", "a,,b", ",", {}, {"a", "", "b"}},
      {"a leading delimiter gives an empty first member", ",a", ",", {}, {"", "a"}},
      {"a trailing delimiter gives no empty last member", "a,", ",", {}, {"a"}},
      {"two trailing delimiters give one empty member", "a,,", ",", {}, {"a", ""}},
      {"a delimiter alone gives one empty member", ",", ",", {}, {""}},
      {"the empty text gives no members", "", ",", {}, {}},
      {"a text without the delimiter is one member", "abc", ",", {}, {"abc"}},
      {"an empty delimiter gives the whole text", "a,b", "", {}, {"a,b"}},
      {"a maximum of 2 drops the rest", "a,b,c", ",", 2, {"a", "b"}},
      {"a maximum above the count changes nothing", "a,b,c", ",", 5, {"a", "b", "c"}},
      {"a maximum of 0 gives no members", "a,b,c", ",", 0, {}},
      {"a negative maximum gives no members", "a,b,c", ",", -1, {}},
      {"a match never starts on a second byte", Bytes("B0 A1 A1 A1"), Bytes("A1 A1"), {}, {Bytes("B0 A1")}},
      {"a lone first byte at the end stays in the last member", Bytes("41 B0"), ",", {}, {Bytes("41 B0")}},
      {"a multi-byte delimiter splits a page", "xdocument.write('ydocument.write('", "document.write('", {},
       {"x", "y"}},
      {"a delimiter inside a two-byte character is not seen", Gbk("年") + ";" + Bytes("B0 3B"), ";", {},
       {Gbk("年"), Bytes("B0 3B")}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(SplitText(r.text, r.delimiter, r.maximum), r.expected);
  }
}

TEST(SplitText, SplitsAtACommaByDefault) { EXPECT_EQ(SplitText("a,b"), (TextArray{"a", "b"})); }

TEST(MemberCount, OfAnArrayNeverFilledIsZero) {
  EXPECT_EQ(MemberCount(TextArray{}), 0);
  EXPECT_EQ(MemberCount(SplitText("a,b,c")), 3);
}

TEST(FindText, GivesOneBasedBytePositions) {
  struct Row {
    const char* sentence;
    std::string text, sought;
    std::int64_t start;
    std::int64_t expected;
  };
  const Row rows[] = {
      {"an equals sign in ab=cd is at 3", "ab=cd", "=", 1, 3},
      {"a missing sign gives -1", "abcd", "=", 1, -1},
      {"start 3 finds the second sign", "a=b=c", "=", 3, 4},
      {"start 0 searches from the beginning", "a=b=c", "=", 0, 2},
      {"a negative start searches from the beginning", "a=b=c", "=", -5, 2},
      {"a start past the end gives -1", "abcde", "c", 10, -1},
      {"the empty text is found at 1", "abc", "", 1, 1},
      {"the empty text is not found in the empty text", "", "", 1, -1},
      {"the empty text past the end is not found", "abc", "", 4, -1},
      {"a match never starts on a second byte", Bytes("B0 A1 A1 A1"), Bytes("A1 A1"), 1, 3},
      {"case matters", "ABC", "b", 1, -1},
      {"a lone first byte at the end can itself be found", Bytes("41 B0"), Bytes("B0"), 1, 2},
      {"a text shorter than the sought text gives -1", "ab", "abc", 1, -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(FindText(r.text, r.sought, r.start), r.expected);
  }
}

TEST(RightOfText, TakesTheLastBytes) {
  EXPECT_EQ(RightOfText("abc", 0), "");
  EXPECT_EQ(RightOfText("abc", -1), "");
  EXPECT_EQ(RightOfText("abc", 2), "bc");
  EXPECT_EQ(RightOfText("abc", 3), "abc");
  EXPECT_EQ(RightOfText("abc", 4), "abc");
  EXPECT_EQ(RightOfText("abc", 100), "abc");
  EXPECT_EQ(RightOfText(Bytes("B0 A1 B0 A2"), 3), Bytes("A1 B0 A2")) << "the cut may start on a second byte";
}

TEST(RemoveAllSpaces, RemovesBlanksAndFullWidthSpacesOnly) {
  EXPECT_EQ(RemoveAllSpaces(" a\tb" + Bytes("A1 A1") + "c "), "a\tbc");
  EXPECT_EQ(RemoveAllSpaces("a\nb"), "a\nb");
  EXPECT_EQ(RemoveAllSpaces("  " + Gbk("　") + " "), "");
  EXPECT_EQ(RemoveAllSpaces("a" + Bytes("B0")), "a") << "a lone first byte at the end is dropped";
  EXPECT_EQ(RemoveAllSpaces(Bytes("B0 20 41")), Bytes("B0 20 41")) << "a blank as a second byte stays";
  EXPECT_EQ(RemoveAllSpaces(Gbk("年 月")), Gbk("年月"));
}

TEST(BytesToText, StopsAtTheFirstNul) {
  EXPECT_EQ(BytesToText(ByteSet{'1', '2', '\0', '3', '4'}), "12");
  EXPECT_EQ(BytesToText(ByteSet{}), "");
  EXPECT_EQ(BytesToText(ByteSet{'\0', 'a'}), "");
  EXPECT_EQ(BytesToText(ByteSet{'a', 'b'}), "ab");
}

}  // namespace
}  // namespace veltrane
