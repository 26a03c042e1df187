// GbkTexts.h: the fixed texts of Veltrane as GBK bytes. Source files are UTF-8,
// so every Chinese text that the program shows or parses is spelled out here
// byte by byte; the UTF-8 form stands in the comment beside it.
#pragma once

#include <string_view>

namespace veltrane::gbk {

// Date and time markers.
inline constexpr std::string_view kYear = "\xC4\xEA";    // 年
inline constexpr std::string_view kMonth = "\xD4\xC2";   // 月
inline constexpr std::string_view kDay = "\xC8\xD5";     // 日
inline constexpr std::string_view kHour = "\xCA\xB1";    // 时
inline constexpr std::string_view kMinute = "\xB7\xD6";  // 分
inline constexpr std::string_view kSecond = "\xC3\xEB";  // 秒

// Runtime error report.
inline constexpr std::string_view kRuntimeErrorHead = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";  // 运行时出错!
inline constexpr std::string_view kErrorCodeLabel = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";   // 错误代码：
inline constexpr std::string_view kErrorMessageLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：
inline constexpr std::string_view kErrorTitle = "\xB4\xED\xCE\xF3";                                 // 错误
inline constexpr std::string_view kDivideByZero = "\xB2\xBB\xC4\xDC\xD5\xFB\xB3\xFD\xD3\xDA\xC1\xE3";  // 不能整除于零
inline constexpr std::string_view kRemainderByZero =
    "\xB2\xBB\xC4\xDC\xC7\xF3\xD3\xE0\xCA\xFD\xD3\xDA\xC1\xE3";  // 不能求余数于零
inline constexpr std::string_view kMemberOutOfRange =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5\xB7\xB6\xCE\xA7";  // 数组成员引用下标超出定义范围

// Messages.
inline constexpr std::string_view kMessageTitle = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：
inline constexpr std::string_view kCalibrationSucceeded =
    "\xD0\xA3\xB6\xD4\xB3\xC9\xB9\xA6\xA3\xA1";  // 校对成功！
inline constexpr std::string_view kCalibrationFailed =
    "\xD0\xA3\xB6\xD4\xCA\xA7\xB0\xDC\xA3\xA1";  // 校对失败！
inline constexpr std::string_view kCannotReachServer =
    "\xCE\xDE\xB7\xA8\xC1\xAC\xBD\xD3\xCA\xDA\xCA\xB1\xB7\xFE\xCE\xF1\xC6\xF7";  // 无法连接授时服务器
inline constexpr std::string_view kCannotReadPage =
    "\xCE\xDE\xB7\xA8\xCA\xB6\xB1\xF0\xCA\xDA\xCA\xB1\xD2\xB3\xC3\xE6";  // 无法识别授时页面
inline constexpr std::string_view kPageTimeInvalid =
    "\xCA\xDA\xCA\xB1\xD2\xB3\xC3\xE6\xB8\xF8\xB3\xF6\xB5\xC4\xCA\xB1\xBC\xE4\xCE\xDE\xD0\xA7";  // 授时页面给出的时间无效
inline constexpr std::string_view kClockRefused =
    "\xCF\xB5\xCD\xB3\xBE\xDC\xBE\xF8\xD0\xDE\xB8\xC4\xCA\xB1\xBC\xE4";  // 系统拒绝修改时间

// The main window.
inline constexpr std::string_view kWindowCaption = "Veltrane\xC8\xED\xBC\xFE";  // Veltrane软件
inline constexpr std::string_view kSystemTimeCaption =
    "\xD4\xAD\xC0\xB4\xCF\xB5\xCD\xB3\xCA\xB1\xBC\xE4\xA3\xBA";  // 原来系统时间：
inline constexpr std::string_view kCalibratedTimeCaption =
    "\xB8\xFC\xD0\xC2\xBA\xF3\xB5\xC4\xCA\xB1\xBC\xE4\xA3\xBA";  // 更新后的时间：
inline constexpr std::string_view kAutoUpdateButton = "\xD7\xD4\xB6\xAF\xB8\xFC\xD0\xC2";  // 自动更新
inline constexpr std::string_view kLockCheckBox =
    "\xB3\xD6\xD0\xF8\xD0\xA3\xB6\xD4\xCB\xF8\xB6\xA8\xCA\xB1\xBC\xE4";  // 持续校对锁定时间

}  // namespace veltrane::gbk
