#include "platform/QtWindowSystem.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <future>

#include "platform/GbkQt.h"
#include "platform/QtFlatLook.h"
#include "platform/QtMessageBox.h"

namespace veltrane {

QString ControlName(Control control) {
  switch (control) {
    case Control::标签1: return QStringLiteral("标签1");
    case Control::系统时间标签: return QStringLiteral("系统时间标签");
    case Control::标签2: return QStringLiteral("标签2");
    case Control::校准时间标签: return QStringLiteral("校准时间标签");
    case Control::按钮自动更新: return QStringLiteral("按钮自动更新");
    case Control::选择框1: return QStringLiteral("选择框1");
  }
  return QString();
}

QtWindowSystem::QtWindowSystem(QWidget* main_window)
    : window_(main_window), platform_style_(CreatePlatformStyle()) {
  connect(main_window, &QObject::destroyed, this, [this] { gone_ = true; }, Qt::DirectConnection);
}

QtWindowSystem::~QtWindowSystem() = default;

bool QtWindowSystem::IsUiThread() const { return QThread::currentThread() == thread(); }

bool QtWindowSystem::RunOnUiThread(const std::function<void()>& fn) {
  if (gone_) return false;
  if (IsUiThread()) {
    fn();
    return true;
  }
  bool ran = false;
  QMetaObject::invokeMethod(
      this,
      [&] {
        if (gone_) return;
        fn();
        ran = true;
      },
      Qt::BlockingQueuedConnection);
  return ran;
}

QWidget* QtWindowSystem::Find(Control control) const {
  return window_ ? window_->findChild<QWidget*>(ControlName(control)) : nullptr;
}

void QtWindowSystem::SetLabelText(Control label, std::string_view text) {
  const QString decoded = FromGbk(text);
  RunOnUiThread([&] {
    // A label repaints only when its text changes.
    if (auto* l = qobject_cast<QLabel*>(Find(label))) l->setText(decoded);
  });
}

bool QtWindowSystem::IsChecked(Control check_box) {
  bool checked = false;
  RunOnUiThread([&] {
    if (auto* box = qobject_cast<QAbstractButton*>(Find(check_box))) checked = box->isChecked();
  });
  return checked;
}

void QtWindowSystem::SetDisabled(Control control, bool disabled) {
  RunOnUiThread([&] {
    if (QWidget* w = Find(control)) w->setEnabled(!disabled);
  });
}

void QtWindowSystem::ProcessEvents() {
  if (!IsUiThread()) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtWindowSystem::WaitForEvents(std::int32_t ms) {
  if (ms <= 0) return;
  if (!IsUiThread()) {
    QThread::msleep(static_cast<unsigned long>(ms));
    return;
  }
  // A loop of its own handles the events as they come and ends when the
  // timer fires; a quit request stays for the main loop.
  QEventLoop wait;
  QTimer::singleShot(ms, Qt::PreciseTimer, &wait, &QEventLoop::quit);
  wait.exec();
}

int QtWindowSystem::ShowMessage(std::string_view text, std::int32_t button_code, std::string_view title) {
  if (!IsUiThread()) return ShowModelessMessage(text, button_code, title);
  std::unique_ptr<QMessageBox> box(CreateMessageBox(text, button_code, title));
  box->setWindowModality(Qt::ApplicationModal);  // task-modal: the main window takes no input
  box->exec();
  return MessageResultOf(*box);
}

int QtWindowSystem::ShowModelessMessage(std::string_view text, std::int32_t button_code, std::string_view title) {
  if (IsUiThread()) {
    std::unique_ptr<QMessageBox> box(CreateMessageBox(text, button_code, title));
    box->setWindowModality(Qt::NonModal);
    QEventLoop wait;
    connect(box.get(), &QMessageBox::finished, &wait, &QEventLoop::quit);
    box->show();
    wait.exec();
    return MessageResultOf(*box);
  }
  auto closed = std::make_shared<std::promise<int>>();
  std::future<int> result = closed->get_future();
  const bool shown = RunOnUiThread([&] {
    QMessageBox* box = CreateMessageBox(text, button_code, title);
    box->setStyle(platform_style_.get());  // the flat look is the UI thread's own
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, box, [box, closed] { closed->set_value(MessageResultOf(*box)); });
    box->show();
  });
  if (!shown) return kOk;
  return result.get();
}

}  // namespace veltrane
