#include "calibration/TimePageParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::Gbk;

// The worked example: x, marker, y'), marker, the date, "')", marker, z'),
// marker, z'), marker, five free fields and the hour, minute and second fields.
struct ExamplePage {
  std::string lead_in = "x";
  std::string date = Gbk("2000年1月2日");
  std::string date_end = "')";
  std::string markers_before_clock = "z')document.write('z')document.write('";
  std::string clock = "a;b;c;d;e;hh=03;mm=04;ss=05;";
  std::string tail = "')";

  std::string Text() const {
    return lead_in + "document.write('y')document.write('" + date + date_end + "document.write('" +
           markers_before_clock + clock + tail;
  }
};

PageTime Time(std::string date, std::string hour, std::string minute, std::string second) {
  return PageTime{std::move(date), std::move(hour), std::move(minute), std::move(second)};
}

TEST(ParsePage, ReadsTheWorkedExampleAndItsVariations) {
  struct Row {
    const char* sentence;
    ExamplePage page;
    PageTime expected;
  };
  const std::string date = Gbk("2000年1月2日");
  auto with_clock = [](std::string clock) {
    ExamplePage p;
    p.clock = std::move(clock);
    return p;
  };
  auto with_date = [](std::string d, std::string end) {
    ExamplePage p;
    p.date = std::move(d);
    p.date_end = std::move(end);
    return p;
  };
  ExamplePage no_lead_in;
  no_lead_in.lead_in = "";
  const Row rows[] = {
      {"the worked example gives its four texts", ExamplePage{}, Time(date, "03", "04", "05")},
      {"blanks around a value are removed", with_clock("a;b;c;d;e;h h = 03 ;mm=04;ss=05;"), Time(date, "03", "04", "05")},
      {"a field without = is its own value", with_clock("a;b;c;d;e;03;mm=04;ss=05;"), Time(date, "03", "04", "05")},
      {"a field ending in = has an empty value", with_clock("a;b;c;d;e;hh=;mm=04;ss=05;"), Time(date, "", "04", "05")},
      {"only the first = separates", with_clock("a;b;c;d;e;hh=0=3;mm=04;ss=05;"), Time(date, "0=3", "04", "05")},
      {"a date keeps its trailing blank", with_date(Gbk("2000年1月2日 "), "')"), Time(Gbk("2000年1月2日 "), "03", "04", "05")},
      {"a date without its end runs to the next marker", with_date(date, ""), Time(date, "03", "04", "05")},
      {"a second field without ; keeps the tail", with_clock("a;b;c;d;e;hh=03;mm=04;ss=05"), Time(date, "03", "04", "05')")},
      {"a page that begins with the marker counts the same", no_lead_in, Time(date, "03", "04", "05")},
      {"full-width spaces are removed too", with_clock("a;b;c;d;e;hh=" + Gbk("　03　") + ";mm=04;ss=05;"), Time(date, "03", "04", "05")},
      {"fields after the eighth are not looked at", with_clock("a;b;c;d;e;hh=03;mm=04;ss=05;x;y;z"), Time(date, "03", "04", "05")},
      {"a ; inside a two-byte character is not a separator",
       with_clock("a;b;c;d;e" + testing::Bytes("B0 3B") + ";hh=03;mm=04;ss=05;"), Time(date, "03", "04", "05")},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    const PageParse parse = ParsePage(r.page.Text());
    ASSERT_TRUE(std::holds_alternative<PageTime>(parse));
    EXPECT_EQ(std::get<PageTime>(parse), r.expected);
  }
}

TEST(ParsePage, StopsAtTheFirstCheckThatFails) {
  struct Row {
    const char* sentence;
    std::string page;
    ParseFailure expected;
  };
  const std::string m = "document.write('";
  const Row rows[] = {
      {"the empty page", "", ParseFailure::kNoDateSegment},
      {"a page without markers", "<html>Not Found</html>", ParseFailure::kNoDateSegment},
      {"one marker", "x" + m + "y", ParseFailure::kNoDateSegment},
      {"two markers with nothing after the second", "x" + m + "y" + m, ParseFailure::kNoDateSegment},
      {"the second and third markers touch", "x" + m + "y" + m + m + "z", ParseFailure::kEmptyDateSegment},
      {"four markers only", "x" + m + "y" + m + "d')" + m + "z" + m + "z", ParseFailure::kNoClockSegment},
      {"five markers with nothing after the fifth", "x" + m + "y" + m + "d')" + m + m + m, ParseFailure::kNoClockSegment},
      {"a clock segment of five fields", "x" + m + "y" + m + "d" + m + m + m + "a;b;c;d;e", ParseFailure::kNoHourField},
      {"a clock segment of six fields", "x" + m + "y" + m + "d" + m + m + m + "a;b;c;d;e;hh=03", ParseFailure::kNoMinuteField},
      {"a clock segment of seven fields", "x" + m + "y" + m + "d" + m + m + m + "a;b;c;d;e;hh=03;mm=04",
       ParseFailure::kNoSecondField},
      {"seven fields with a trailing ;", "x" + m + "y" + m + "d" + m + m + m + "a;b;c;d;e;hh=03;mm=04;",
       ParseFailure::kNoSecondField},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    const PageParse parse = ParsePage(r.page);
    ASSERT_TRUE(std::holds_alternative<ParseFailure>(parse));
    EXPECT_EQ(std::get<ParseFailure>(parse), r.expected);
  }
}

TEST(ParsePage, MatchesAMarkerOnlyWhereACharacterBegins) {
  // B0 64 is one two-byte character; the "d" of the marker hides in it.
  const std::string hidden = testing::Bytes("B0") + "document.write('";
  const std::string m = "document.write('";
  const std::string page = "x" + m + "y" + hidden + "2000" + m + m + m + "a;b;c;d;e;1;2;3";
  // Had the hidden marker counted, the page would parse with the date «2000»;
  // without it the third piece is empty.
  const PageParse parse = ParsePage(page);
  ASSERT_TRUE(std::holds_alternative<ParseFailure>(parse));
  EXPECT_EQ(std::get<ParseFailure>(parse), ParseFailure::kEmptyDateSegment);
}

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(VELTRANE_PAGES_DIR) + "/" + name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(ParsePage, ReadsTheFixturePages) {
  struct Row {
    const char* file;
    PageParse expected;
  };
  const Row rows[] = {
      {"typical.html", Time(Gbk("2013年6月19日"), "14", "05", "07")},
      {"last-second-of-year.html", Time(Gbk("2013年12月31日"), "23", "59", "59")},
      {"before-leap-day.html", Time(Gbk("2012年2月28日"), "23", "59", "58")},
      {"full-width.html", Time(Gbk("２０１３年６月１９日"), Gbk("１４"), Gbk("０５"), Gbk("０７"))},
      {"not-found.html", ParseFailure::kNoDateSegment},
      {"seven-clock-fields.html", ParseFailure::kNoSecondField},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    const std::string page = ReadFixture(r.file);
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(ParsePage(page), r.expected);
  }
}

TEST(FieldValue, TakesWhatFollowsTheFirstEquals) {
  EXPECT_EQ(FieldValue("var nhrs=14"), "14");
  EXPECT_EQ(FieldValue(" 14 "), "14");
  EXPECT_EQ(FieldValue(""), "");
  EXPECT_EQ(FieldValue("="), "");
  EXPECT_EQ(FieldValue("a=b c=d"), "bc=d");
}

}  // namespace
}  // namespace veltrane
