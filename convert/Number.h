// Number.h: numbers (IEEE doubles) and their text forms, and the full-width
// folding that every conversion from text applies first.
//
// Pure functions, safe on any thread, except that a zero divisor ends the
// program through the RuntimeErrorReport passed in.
#pragma once

#include <initializer_list>
#include <string_view>

#include "convert/RuntimeErrorReport.h"
#include "convert/Text.h"

namespace veltrane {

// Folds GBK full-width characters to their one-byte forms: A3 A1..A3 FE to
// 0x21..0x7E, the ideographic space A1 A1 to a blank, A1 AB to "~", the stars
// A1 EE and A1 EF to "*". Other two-byte characters stay; a lone first byte at
// the end is dropped.
Text FoldFullWidth(std::string_view text);

// The number written at the start of text (after folding and leading blanks
// 09..0D, 20): sign, digits with at most one ".", and an optional exponent
// introduced by e, E, d or D. An exponent above 5200 counts as 5201. Too large
// a value gives a signed infinity, too small a signed zero. 0 when the text
// does not start with a number; what follows the number is ignored.
double TextToNumber(std::string_view text);

// The C library's "%.13g" with an exponent of at least three digits
// ("1e+013", "1.5e-005"). Negative zero is "0"; infinities are "inf" and
// "-inf", a NaN is "nan".
Text NumberToText(double value);

// The dividend divided by each divisor in turn, each quotient truncated toward
// zero. A zero divisor is reported ("不能整除于零") and does not return.
double IntegerDivide(double dividend, std::initializer_list<double> divisors,
                     RuntimeErrorReport& report);

// The exact remainder of truncated division by each divisor in turn; it has
// the dividend's sign. A zero divisor is reported ("不能求余数于零") and does
// not return.
double Remainder(double dividend, std::initializer_list<double> divisors,
                 RuntimeErrorReport& report);

}  // namespace veltrane
