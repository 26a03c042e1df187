// TimePage.h: a time page in the layout the parse reads, as GBK bytes: the
// date after the second "document.write('", the clock fields after the
// fifth, hour, minute and second as fields 6, 7 and 8.
#pragma once

#include <string>

#include "convert/DateTime.h"

namespace veltrane {

// The page for the given local time.
std::string MakeTimePage(const DateTimeFields& time);

}  // namespace veltrane
