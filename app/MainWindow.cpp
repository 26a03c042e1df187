#include "app/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "convert/GbkTexts.h"
#include "platform/GbkQt.h"
#include "platform/QtFlatLook.h"

namespace veltrane {

MainWindow::MainWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(FromGbk(gbk::kWindowCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kOuterWidth, kOuterHeight);
  setFont(QApplication::font());
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);

  标签1 = MakeLabel("标签1", 8, 16, 80, 24, false);
  标签1->setText(FromGbk(gbk::kSystemTimeCaption));
  系统时间标签 = MakeLabel("系统时间标签", 96, 16, 184, 24, true);
  标签2 = MakeLabel("标签2", 8, 56, 80, 24, false);
  标签2->setText(FromGbk(gbk::kCalibratedTimeCaption));
  校准时间标签 = MakeLabel("校准时间标签", 96, 56, 184, 24, true);

  按钮自动更新 = new QPushButton(FromGbk(gbk::kAutoUpdateButton), this);
  按钮自动更新->setObjectName(QStringLiteral("按钮自动更新"));
  按钮自动更新->setGeometry(169, 96, 67, 32);
  按钮自动更新->setAutoDefault(false);
  按钮自动更新->setDefault(false);
  按钮自动更新->setFocusPolicy(Qt::StrongFocus);

  选择框1 = new QCheckBox(FromGbk(gbk::kLockCheckBox), this);
  选择框1->setObjectName(QStringLiteral("选择框1"));
  选择框1->setGeometry(16, 104, 128, 24);
  选择框1->setChecked(false);
  选择框1->setFocusPolicy(Qt::StrongFocus);
  setTabOrder(按钮自动更新, 选择框1);

  时钟1 = new PeriodTimer(this);
  时钟1->setObjectName(QStringLiteral("时钟1"));
  时钟2 = new PeriodTimer(this);
  时钟2->setObjectName(QStringLiteral("时钟2"));
}

QLabel* MainWindow::MakeLabel(const char* name, int x, int y, int w, int h, bool edge) {
  auto* label = new QLabel(this);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(x, y, w, h);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAutoFillBackground(true);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(p);
  if (edge) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
  }
  return label;
}

void MainWindow::FitOuterSize() {
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  const int width = kOuterWidth - (frame.width() - client.width());
  const int height = kOuterHeight - (frame.height() - client.height());
  if (width != client.width() || height != client.height()) setFixedSize(width, height);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - kOuterWidth) / 2, area.y() + (area.height() - kOuterHeight) / 2);
  }
}

void MainWindow::SetOnAutoUpdateClicked(std::function<void()> handler) {
  connect(按钮自动更新, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

MainWindow* LoadMainWindow(const std::function<void(MainWindow&)>& on_created) {
  auto* window = new MainWindow();
  if (on_created) on_created(*window);
  window->FitOuterSize();
  window->show();
  window->FitOuterSize();
  // A window manager may add its frame only once the window is mapped.
  QTimer::singleShot(200, window, [window] { window->FitOuterSize(); });
  return window;
}

void OnMainWindowCreated(MainWindow& window) {
  window.时钟1->SetTimerPeriod(1000);
  ApplyFlatLook(1);
}

void RunEventLoop(MainWindow* window) {
  if (!window) return;
  QApplication::exec();
}

}  // namespace veltrane
