// The GBK constants are spelled out byte by byte; iconv says what they read.
#include "convert/GbkTexts.h"

#include <gtest/gtest.h>

#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

TEST(GbkTexts, ReadAsTheirChineseTexts) {
  struct Row {
    std::string_view gbk;
    const char* utf8;
  };
  const Row rows[] = {
      {gbk::kYear, "年"}, {gbk::kMonth, "月"}, {gbk::kDay, "日"}, {gbk::kHour, "时"}, {gbk::kMinute, "分"},
      {gbk::kSecond, "秒"}, {gbk::kRuntimeErrorHead, "运行时出错!"}, {gbk::kErrorCodeLabel, "错误代码："},
      {gbk::kErrorMessageLabel, "错误信息："}, {gbk::kErrorTitle, "错误"}, {gbk::kDivideByZero, "不能整除于零"},
      {gbk::kRemainderByZero, "不能求余数于零"}, {gbk::kMemberOutOfRange, "数组成员引用下标超出定义范围"},
      {gbk::kMessageTitle, "信息："}, {gbk::kCalibrationSucceeded, "校对成功！"},
      {gbk::kCalibrationFailed, "校对失败！"}, {gbk::kCannotReachServer, "无法连接授时服务器"},
      {gbk::kCannotReadPage, "无法识别授时页面"}, {gbk::kPageTimeInvalid, "授时页面给出的时间无效"},
      {gbk::kClockRefused, "系统拒绝修改时间"}, {gbk::kWindowCaption, "Veltrane软件"},
      {gbk::kSystemTimeCaption, "原来系统时间："}, {gbk::kCalibratedTimeCaption, "更新后的时间："},
      {gbk::kAutoUpdateButton, "自动更新"}, {gbk::kLockCheckBox, "持续校对锁定时间"},
  };
  for (const Row& r : rows) EXPECT_EQ(testing::Utf8(r.gbk), r.utf8);
}

}  // namespace
}  // namespace veltrane
