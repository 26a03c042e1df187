// TimePageParser.h: takes the date, hour, minute and second texts out of the
// time page. The page is read by position alone: script fragments counted
// from the top, with no check of names, digits or ranges.
//
//   page pieces   the page split at every "document.write('"
//   date text     piece 3 up to its first "')"
//   clock fields  piece 6 split at ";"; fields 6, 7 and 8 are hour, minute and
//                 second, each the text after its first "=", spaces removed
//
// Every member is read only after the member count was checked; a page that
// lacks a member fails at the first check, in the order below.
#pragma once

#include <string_view>
#include <variant>

#include "convert/Text.h"

namespace veltrane {

// The check that a page failed, in the order in which they are made.
enum class ParseFailure {
  kNoDateSegment,     // page pieces < 3: at most two markers, or nothing after the second
  kEmptyDateSegment,  // date segment pieces < 1: the second and third markers touch
  kNoClockSegment,    // page pieces < 6: fewer than five markers, or nothing after the fifth
  kNoHourField,       // clock fields < 6
  kNoMinuteField,     // clock fields < 7
  kNoSecondField,     // clock fields < 8
};

// What the parse takes out of a page; every text exactly as the page gave it
// (the field values without spaces).
struct PageTime {
  Text date;
  Text hour;
  Text minute;
  Text second;

  bool operator==(const PageTime&) const = default;
};

using PageParse = std::variant<PageTime, ParseFailure>;

// The first step of the parse: the page text split at "document.write('".
// A background run waits between this and ParsePagePieces.
TextArray SplitPage(std::string_view page_text);

// The rest of the parse, on the pieces SplitPage gave.
PageParse ParsePagePieces(const TextArray& page_pieces);

// SplitPage and ParsePagePieces together.
PageParse ParsePage(std::string_view page_text);

// The value of a field "name=value": what follows the first "=", without
// spaces; a field without "=" is its own value.
Text FieldValue(std::string_view field);

}  // namespace veltrane
