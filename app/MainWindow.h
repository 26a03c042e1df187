// MainWindow.h: the program's one window, built from its fixed description:
// caption "Veltrane软件", outer size 328 x 174 with frame and caption, centred,
// fixed size, close box only, and eight controls.
//
//   标签1        label        8, 16   80 x 24  "原来系统时间："
//   系统时间标签  label       96, 16  184 x 24  sunken edge
//   标签2        label        8, 56   80 x 24  "更新后的时间："
//   校准时间标签  label       96, 56  184 x 24  sunken edge
//   按钮自动更新  push button 169, 96  67 x 32  "自动更新"
//   选择框1      check box   16, 104 128 x 24  "持续校对锁定时间"
//   时钟1, 时钟2 timers, period 0 until set
//
// Positions are from the client area's top-left corner. Only the button and
// the check box take the focus with Tab.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/PeriodTimer.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace veltrane {

inline constexpr int kOuterWidth = 328;
inline constexpr int kOuterHeight = 174;

class MainWindow : public QWidget {
 public:
  MainWindow();

  QLabel* 标签1;
  QLabel* 系统时间标签;
  QLabel* 标签2;
  QLabel* 校准时间标签;
  QPushButton* 按钮自动更新;
  QCheckBox* 选择框1;
  PeriodTimer* 时钟1;
  PeriodTimer* 时钟2;

  // Resizes the window so that its outer size, frame and caption included, is
  // 328 x 174, and centres it on the primary screen.
  void FitOuterSize();

  // Runs when the button is clicked.
  void SetOnAutoUpdateClicked(std::function<void()> handler);

 private:
  QLabel* MakeLabel(const char* name, int x, int y, int w, int h, bool edge);
};

// Creates the main window and its controls, runs on_created (the created
// event) to completion, then shows the window. The window deletes itself
// when it is closed.
MainWindow* LoadMainWindow(const std::function<void(MainWindow&)>& on_created);

// The created event's handler: 时钟1 gets its period of 1000 ms and the flat
// look of scheme 1 is applied.
void OnMainWindowCreated(MainWindow& window);

// Runs the UI thread's event loop until the quit request; returns at once
// when there is no window.
void RunEventLoop(MainWindow* window);

}  // namespace veltrane
