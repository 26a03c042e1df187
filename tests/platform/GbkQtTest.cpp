#include "platform/GbkQt.h"

#include <gtest/gtest.h>

#include "convert/GbkTexts.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

TEST(GbkQt, ConvertsAtTheWindowsEdge) {
  EXPECT_EQ(FromGbk(gbk::kWindowCaption), QStringLiteral("Veltrane软件"));
  EXPECT_EQ(FromGbk(testing::Gbk("２０１３年６月１９日")), QStringLiteral("２０１３年６月１９日"));
  EXPECT_EQ(ToGbk(QStringLiteral("校对成功！")), std::string(gbk::kCalibrationSucceeded));
  EXPECT_EQ(FromGbk(""), QString());
}

}  // namespace
}  // namespace veltrane
