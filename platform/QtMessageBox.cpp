#include "platform/QtMessageBox.h"

#include <QAbstractButton>

#include "platform/GbkQt.h"
#include "platform/WindowSystem.h"

namespace veltrane {

QMessageBox* CreateMessageBox(std::string_view text, std::int32_t button_code, std::string_view title) {
  using B = QMessageBox::StandardButton;
  static const QList<QList<B>> kButtons = {
      {B::Ok}, {B::Ok, B::Cancel}, {B::Abort, B::Retry, B::Ignore}, {B::Yes, B::No, B::Cancel}, {B::Yes, B::No},
      {B::Retry, B::Cancel}};
  const int set = button_code & 0xF;
  const QList<B>& buttons = set < kButtons.size() ? kButtons[set] : kButtons[0];

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (button_code & 0xF0) {
    case 0x10: icon = QMessageBox::Critical; break;
    case 0x20: icon = QMessageBox::Question; break;
    case 0x30: icon = QMessageBox::Warning; break;
    case 0x40: icon = QMessageBox::Information; break;
    default: break;
  }
  auto* box = new QMessageBox(icon, FromGbk(title), FromGbk(text));
  for (B b : buttons) box->addButton(b);
  const int default_index = (button_code >> 8) & 0x3;
  box->setDefaultButton(buttons[std::min<qsizetype>(default_index, buttons.size() - 1)]);
  box->setEscapeButton(buttons.contains(B::Cancel) ? B::Cancel : buttons.back());
  return box;
}

int MessageResultOf(const QMessageBox& box) {
  const QAbstractButton* clicked = box.clickedButton();
  if (!clicked) return kOk;
  switch (box.standardButton(const_cast<QAbstractButton*>(clicked))) {
    case QMessageBox::Cancel: return kCancel;
    case QMessageBox::Abort: return kAbort;
    case QMessageBox::Retry: return kRetry;
    case QMessageBox::Ignore: return kIgnore;
    case QMessageBox::Yes: return kYes;
    case QMessageBox::No: return kNo;
    default: return kOk;
  }
}

}  // namespace veltrane
