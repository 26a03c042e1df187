#include "convert/Number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "convert/GbkTexts.h"

namespace veltrane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents are gathered up to this magnitude; anything larger means the
// same to a double.
constexpr std::int64_t kExponentCeiling = 1'000'000'000;

}  // namespace

Text FoldFullWidth(std::string_view text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(text[i]);
    if (first < 0x80) {
      folded.push_back(text[i]);
      continue;
    }
    if (i + 1 == text.size()) break;  // a lone first byte is dropped
    const auto second = static_cast<unsigned char>(text[i + 1]);
    ++i;
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
      folded.push_back(static_cast<char>(second - 0x80));
    } else if (first == 0xA1 && second == 0xA1) {
      folded.push_back(' ');
    } else if (first == 0xA1 && second == 0xAB) {
      folded.push_back('~');
    } else if (first == 0xA1 && (second == 0xEE || second == 0xEF)) {
      folded.push_back('*');
    } else {
      folded.push_back(static_cast<char>(first));
      folded.push_back(static_cast<char>(second));
    }
  }
  return folded;
}

double TextToNumber(std::string_view text) {
  const Text folded = FoldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && ((folded[i] >= '\t' && folded[i] <= '\r') || folded[i] == ' ')) ++i;

  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';

  // Mantissa: its significant digits, and how many of them stand after the ".".
  std::string digits;
  std::int64_t fraction_digits = 0;
  bool any_digit = false;
  bool seen_point = false;
  for (; i < folded.size(); ++i) {
    const char c = folded[i];
    if (IsDigit(c)) {
      any_digit = true;
      if (!digits.empty() || c != '0') digits.push_back(c);
      if (seen_point) ++fraction_digits;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  if (!any_digit) return 0.0;

  // Exponent: only when the letter is followed by an optional sign and digits.
  std::int64_t exponent = 0;
  if (i < folded.size() && (folded[i] == 'e' || folded[i] == 'E' || folded[i] == 'd' || folded[i] == 'D')) {
    std::size_t j = i + 1;
    bool exponent_negative = false;
    if (j < folded.size() && (folded[j] == '+' || folded[j] == '-')) exponent_negative = folded[j++] == '-';
    if (j < folded.size() && IsDigit(folded[j])) {
      for (; j < folded.size() && IsDigit(folded[j]); ++j) {
        if (exponent < kExponentCeiling) exponent = exponent * 10 + (folded[j] - '0');
      }
      if (exponent_negative) exponent = -exponent;
      if (exponent > 5200) exponent = 5201;
    }
  }

  if (digits.empty()) return negative ? -0.0 : 0.0;
  // A fraction's leading zeros were not kept as digits; they still count.
  const std::int64_t scale = exponent - fraction_digits;
  // The decimal magnitude of the leading digit decides out-of-range values
  // before strtod sees a huge number of digits or a huge exponent.
  const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) + scale;
  if (magnitude > 400) return negative ? -HUGE_VAL : HUGE_VAL;
  if (magnitude < -400) return negative ? -0.0 : 0.0;
  // The digits with a plain exponent and no decimal point: strtod then reads
  // the same whatever the locale's decimal point is.
  std::string normalized = negative ? "-" : "";
  normalized += digits;
  normalized += 'e';
  normalized += std::to_string(scale);
  return std::strtod(normalized.c_str(), nullptr);
}

Text NumberToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0) return "0";

  // 17 significant digits, nearest, then cut to 13 with the 14th rounding up.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
  std::string digits;
  digits.push_back(buffer[0]);
  digits.append(buffer + 2, 16);
  int exponent = std::atoi(buffer + 19);
  const bool round_up = digits[13] >= '5';
  digits.resize(13);
  if (round_up) {
    int k = 12;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k >= 0) {
      ++digits[k];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }

  std::string text = value < 0 ? "-" : "";
  const auto strip_zeros = [](std::string& s) {
    const auto point = s.find('.');
    if (point == std::string::npos) return;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  };
  if (exponent < -4 || exponent >= 13) {
    std::string mantissa = digits.substr(0, 1) + "." + digits.substr(1);
    strip_zeros(mantissa);
    char exponent_text[16];
    std::snprintf(exponent_text, sizeof exponent_text, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text += mantissa;
    text += exponent_text;
  } else if (exponent >= 0) {
    std::string plain = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                        digits.substr(static_cast<std::size_t>(exponent) + 1);
    strip_zeros(plain);
    text += plain;
  } else {
    std::string plain = "0." + std::string(static_cast<std::size_t>(-1 - exponent), '0') + digits;
    strip_zeros(plain);
    text += plain;
  }
  return text;
}

double IntegerDivide(double dividend, std::initializer_list<double> divisors, RuntimeErrorReport& report) {
  double r = dividend;
  for (double d : divisors) {
    if (d == 0) {
      report.ReportRuntimeError(0, gbk::kDivideByZero);
      std::abort();
    }
    r = std::trunc(r / d);
  }
  return r;
}

double Remainder(double dividend, std::initializer_list<double> divisors, RuntimeErrorReport& report) {
  double r = dividend;
  for (double d : divisors) {
    if (d == 0) {
      report.ReportRuntimeError(0, gbk::kRemainderByZero);
      std::abort();
    }
    r = std::fmod(r, d);  // exact, with the dividend's sign
  }
  return r;
}

}  // namespace veltrane
