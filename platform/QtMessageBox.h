// QtMessageBox.h: message boxes from the platform's button codes.
//
// The code's low four bits choose the buttons (0 OK, 1 OK/Cancel, 2
// Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), bits 4..7
// the icon (0x10 error, 0x20 question, 0x30 warning, 0x40 information), bits
// 8..9 the default button (0x100 second, 0x200 third).
#pragma once

#include <QMessageBox>
#include <cstdint>
#include <string_view>

namespace veltrane {

// A new box without owner, its texts given in GBK. The caller shows it.
QMessageBox* CreateMessageBox(std::string_view text, std::int32_t button_code, std::string_view title);

// The result code (0 OK .. 6 No, see WindowSystem.h) of the button that closed
// the box; OK when it was closed some other way.
int MessageResultOf(const QMessageBox& box);

}  // namespace veltrane
