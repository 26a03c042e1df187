#include "calibration/TimePageParser.h"

#include "convert/TextOperations.h"

namespace veltrane {
namespace {

constexpr std::string_view kMarker = "document.write('";

}  // namespace

TextArray SplitPage(std::string_view page_text) { return SplitText(page_text, kMarker); }

Text FieldValue(std::string_view field) {
  // With the first "=" at byte p the count is length - p, the bytes after it;
  // without one FindText gives -1 and the count is length + 1, the whole field.
  const Text after = RightOfText(field, TextLength(field) - FindText(field, "="));
  return RemoveAllSpaces(after);
}

PageParse ParsePagePieces(const TextArray& page_pieces) {
  if (MemberCount(page_pieces) < 3) return ParseFailure::kNoDateSegment;
  const TextArray date_pieces = SplitText(page_pieces[2], "')");
  if (MemberCount(date_pieces) < 1) return ParseFailure::kEmptyDateSegment;
  PageTime time;
  time.date = date_pieces[0];

  if (MemberCount(page_pieces) < 6) return ParseFailure::kNoClockSegment;
  const TextArray fields = SplitText(page_pieces[5], ";");
  if (MemberCount(fields) < 6) return ParseFailure::kNoHourField;
  time.hour = FieldValue(fields[5]);
  if (MemberCount(fields) < 7) return ParseFailure::kNoMinuteField;
  time.minute = FieldValue(fields[6]);
  if (MemberCount(fields) < 8) return ParseFailure::kNoSecondField;
  time.second = FieldValue(fields[7]);
  return time;
}

PageParse ParsePage(std::string_view page_text) { return ParsePagePieces(SplitPage(page_text)); }

}  // namespace veltrane
