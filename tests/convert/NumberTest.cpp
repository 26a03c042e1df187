#include "convert/Number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::Bytes;
using testing::Gbk;

TEST(FoldFullWidth, FoldsTheTable) {
  struct Row {
    const char* sentence;
    std::string text, expected;
  };
  const Row rows[] = {
      {"full-width digits become ASCII digits", Bytes("A3 B1 A3 B2"), "12"},
      {"the ideographic space becomes a blank", Bytes("A1 A1"), " "},
      {"the full-width tilde becomes ~", Bytes("A1 AB"), "~"},
      {"both stars become *", Bytes("A1 EE A1 EF"), "**"},
      {"the yen sign folds like the rest of its row", Bytes("A3 A4"), "$"},
      {"signs and separators fold", Gbk("＋－．／："), "+-./:"},
      {"other characters stay", Gbk("年"), Gbk("年")},
      {"a lone first byte at the end is dropped", "1" + Bytes("A3"), "1"},
      {"the empty text stays empty", "", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(FoldFullWidth(r.text), r.expected);
  }
}

TEST(TextToNumber, ReadsTheLeadingNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* sentence;
    std::string text;
    double expected;
  };
  const Row rows[] = {
      {"plain digits", "14", 14},
      {"a leading zero", "05", 5},
      {"the empty text is 0", "", 0},
      {"letters are 0", "abc", 0},
      {"blanks before and letters after", "  12abc", 12},
      {"full-width digits", Gbk("１２"), 12},
      {"an ideographic space first", Gbk("　") + "12", 12},
      {"control blanks first", "\t\n\v\f\r 7", 7},
      {"a sign and a point", "+.5", 0.5},
      {"a trailing point", "5.", 5},
      {"a point alone is 0", ".", 0},
      {"a blank after the sign is 0", "- 5", 0},
      {"an e exponent", "1e5", 100000},
      {"an E exponent with a sign and a zero", "1E+05", 100000},
      {"a d exponent", "1d5", 100000},
      {"a D exponent", "1D-2", 0.01},
      {"an e without digits is not an exponent", "1e", 1},
      {"an e and a sign without digits is not an exponent", "1e+", 1},
      {"no hexadecimal", "0x10", 0},
      {"no second point", "1.2.3", 1.2},
      {"a comma ends the number", "1,234", 1},
      {"a blank ends the number", "12 34", 12},
      {"an overflow is infinity", "1e999", inf},
      {"a negative overflow is negative infinity", "-1e999", -inf},
      {"an underflow is 0", "1e-999", 0},
      {"a zero mantissa with a huge exponent is 0", "0e99999", 0},
      {"an exponent above 5200 counts as 5201", "0.000" + std::string(5300, '0') + "1e5300", 1e-103},
      {"fraction digits shift the exponent", "123.456e1", 1234.56},
      {"the field of a page", "05')", 5},
      {"text without a number is infinity nowhere", "inf", 0},
      {"nan is not a number either", "nan", 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(TextToNumber(r.text), r.expected);
  }
}

TEST(TextToNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
  EXPECT_TRUE(std::signbit(TextToNumber("-1e-999")));
  EXPECT_FALSE(std::signbit(TextToNumber("0")));
}

// strtod is the reference on the prefixes both accept: random decimal numbers
// of every length and magnitude, subnormals included.
TEST(TextToNumber, AgreesWithStrtod) {
  std::mt19937_64 random(20131219);
  for (int i = 0; i < 200000; ++i) {
    std::string text = random() % 2 ? "-" : "";
    const int int_digits = static_cast<int>(random() % 18);
    const int frac_digits = static_cast<int>(random() % 18);
    for (int k = 0; k < int_digits; ++k) text.push_back(static_cast<char>('0' + random() % 10));
    if (frac_digits > 0 || int_digits == 0) {
      text.push_back('.');
      for (int k = 0; k < std::max(frac_digits, 1); ++k) text.push_back(static_cast<char>('0' + random() % 10));
    }
    if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
    SCOPED_TRACE(text);
    ASSERT_EQ(TextToNumber(text), std::strtod(text.c_str(), nullptr));
  }
}

TEST(NumberToText, WritesPercentThirteenG) {
  struct Row {
    const char* sentence;
    double value;
    const char* expected;
  };
  const Row rows[] = {
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"a whole number", 70, "70"},
      {"a negative number", -5, "-5"},
      {"a half", 0.5, "0.5"},
      {"a third", 1.0 / 3, "0.3333333333333"},
      {"two thirds round up", 2.0 / 3, "0.6666666666667"},
      {"a tenth", 0.1, "0.1"},
      {"thirteen digits stay plain", 1234567890123.0, "1234567890123"},
      {"ten to the thirteenth is scientific", 1e13, "1e+013"},
      {"fourteen digits are cut to thirteen", 12345678901234.0, "1.234567890123e+013"},
      {"a carry adds a digit in front", 9999999999999.5, "1e+013"},
      {"a ten-thousandth stays plain", 0.0001, "0.0001"},
      {"a hundred-thousandth is scientific", 0.00001, "1e-005"},
      {"a small number keeps its digits", 1.5e-7, "1.5e-007"},
      {"three exponent digits need no padding", 1e100, "1e+100"},
      {"a small plain number", 0.001234, "0.001234"},
      {"infinity has a text", std::numeric_limits<double>::infinity(), "inf"},
      {"negative infinity has a text", -std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(NumberToText(r.value), r.expected);
  }
}

// The C library's "%.13g", its exponent widened to three digits.
std::string ReferenceText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  std::string text = buffer;
  const auto e = text.find('e');
  if (e != std::string::npos && text.size() - e == 4) text.insert(e + 2, "0");
  return text == "-0" ? "0" : text;
}

// The reference rounds the exact binary value to 13 digits, ties to even; the
// program takes 17 digits first and then rounds a 14th digit of 5 up. They may
// differ only where the 17 digits end in 5000: an exact tie, or a value just
// below the half that the 17 digits round up to it.
bool IsDoubleRoundingCase(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
  const std::string digits = std::string(1, buffer[0]) + std::string(buffer + 2, 16);
  return digits.substr(13) == "5000";
}

TEST(NumberToText, AgreesWithTheCLibraryOnRandomDoubles) {
  std::mt19937_64 random(41444);
  for (int i = 0; i < 300000; ++i) {
    double value;
    switch (i % 3) {
      case 0: {  // any bit pattern
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        break;
      }
      case 1:  // whole numbers, as the calibration makes them
        value = static_cast<double>(static_cast<std::int64_t>(random() % 200000000000000ULL) - 100000000000000LL);
        break;
      default:  // ordinary magnitudes
        value = std::ldexp(static_cast<double>(random() % 1000000) / 1000.0, static_cast<int>(random() % 120) - 60);
    }
    const std::string expected = ReferenceText(value);
    const std::string actual = NumberToText(value);
    if (actual != expected) {
      ASSERT_TRUE(IsDoubleRoundingCase(value)) << value << ": " << actual << " vs " << expected;
    }
  }
}

TEST(NumberToText, OfTextToNumberLosesLeadingZeros) { EXPECT_EQ(NumberToText(TextToNumber("07")), "7"); }

// A report that writes the message as UTF-8 and ends the process, as the real
// one does after its box.
class DyingReport : public RuntimeErrorReport {
 public:
  void ReportRuntimeError(std::int32_t code, std::string_view message) override {
    std::fprintf(stderr, "code %d: %s\n", code, testing::Utf8(message).c_str());
    std::_Exit(255);
  }
};

class UnusedReport : public RuntimeErrorReport {
 public:
  void ReportRuntimeError(std::int32_t, std::string_view) override { ADD_FAILURE() << "no report expected"; }
};

TEST(IntegerDivide, TruncatesTowardZero) {
  UnusedReport report;
  EXPECT_EQ(IntegerDivide(75, {60}, report), 1);
  EXPECT_EQ(IntegerDivide(59, {60}, report), 0);
  EXPECT_EQ(IntegerDivide(-75, {60}, report), -1);
  EXPECT_EQ(IntegerDivide(-7, {2}, report), -3);
  EXPECT_EQ(IntegerDivide(7.9, {2}, report), 3);
  EXPECT_EQ(IntegerDivide(100, {10, 3}, report), 3);
  EXPECT_EQ(IntegerDivide(100, {}, report), 100);
}

TEST(Remainder, IsExactWithTheDividendsSign) {
  UnusedReport report;
  EXPECT_EQ(Remainder(75, {60}, report), 15);
  EXPECT_EQ(Remainder(120, {60}, report), 0);
  EXPECT_EQ(Remainder(-75, {60}, report), -15);
  EXPECT_EQ(Remainder(75, {-60}, report), 15);
  EXPECT_EQ(Remainder(7.5, {2}, report), 1.5);
  EXPECT_EQ(Remainder(100, {30, 7}, report), 3);
  // Through a rounded quotient this would come out 0 or negative.
  EXPECT_EQ(Remainder(1e17 + 8, {3}, report), std::fmod(1e17 + 8, 3));
}

TEST(IntegerDivideDeathTest, ByZeroReportsAndEnds) {
  DyingReport report;
  EXPECT_EXIT(IntegerDivide(5, {0}, report), ::testing::ExitedWithCode(255), "code 0: 不能整除于零");
  EXPECT_EXIT(Remainder(5, {0}, report), ::testing::ExitedWithCode(255), "code 0: 不能求余数于零");
  EXPECT_EXIT(IntegerDivide(5, {2, 0}, report), ::testing::ExitedWithCode(255), "不能整除于零");
}

}  // namespace
}  // namespace veltrane
