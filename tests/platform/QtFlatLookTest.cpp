// The flat look, checked by the colours of the pixels a button and a check
// box are drawn with.
#include "platform/QtFlatLook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>

namespace veltrane {
namespace {

QColor EdgePixel(QWidget& w, int x, int y) {
  const QImage image = w.grab().toImage();
  return image.pixelColor(x, y);
}

class FlatLookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    button.setGeometry(0, 0, 67, 32);
    button.setText("x");
  }
  void TearDown() override { ApplyFlatLook(0); }
  QPushButton button;
};

TEST_F(FlatLookTest, DrawsTheFrameInTheSchemesColour) {
  struct Row {
    int scheme;
    QColor frame;
  };
  const Row rows[] = {{1, QColor(123, 158, 189)}, {2, QColor(164, 185, 127)}, {3, QColor(198, 196, 215)}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.scheme);
    EXPECT_TRUE(ApplyFlatLook(r.scheme));
    EXPECT_EQ(EdgePixel(button, 0, 16), r.frame);
    EXPECT_EQ(EdgePixel(button, 33, 0), r.frame);
    const QColor face = button.palette().color(QPalette::Button);
    EXPECT_EQ(EdgePixel(button, 1, 16), face) << "the inner frame is in the face colour";
  }
}

TEST_F(FlatLookTest, DrawsADisabledFrameInTheFaceLessHex202020) {
  ApplyFlatLook(1);
  button.setEnabled(false);
  const QColor face = button.palette().color(QPalette::Button);
  EXPECT_EQ(EdgePixel(button, 0, 16), QColor(face.red() - 0x20, face.green() - 0x20, face.blue() - 0x20));
}

TEST_F(FlatLookTest, ReachesCheckBoxes) {
  ApplyFlatLook(1);
  QCheckBox box("x");
  box.setGeometry(0, 0, 128, 24);
  const QImage image = box.grab().toImage();
  bool found = false;
  for (int x = 0; x < 24 && !found; ++x) {
    for (int y = 0; y < 24 && !found; ++y) found = image.pixelColor(x, y) == QColor(123, 158, 189);
  }
  EXPECT_TRUE(found) << "the box is framed in the scheme's colour";
}

TEST_F(FlatLookTest, OtherSchemesRemoveTheLook) {
  for (int scheme : {0, 4, -1}) {
    SCOPED_TRACE(scheme);
    ApplyFlatLook(1);
    EXPECT_FALSE(ApplyFlatLook(scheme));
    EXPECT_EQ(dynamic_cast<FlatStyle*>(QApplication::style()), nullptr);
    EXPECT_NE(EdgePixel(button, 0, 16), QColor(123, 158, 189));
  }
}

TEST_F(FlatLookTest, AppliedTwiceIsAppliedOnce) {
  ApplyFlatLook(1);
  ApplyFlatLook(1);
  auto* style = dynamic_cast<FlatStyle*>(QApplication::style());
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(dynamic_cast<FlatStyle*>(style->baseStyle()), nullptr) << "the look is not stacked on itself";
  EXPECT_EQ(EdgePixel(button, 0, 16), QColor(123, 158, 189));
}

}  // namespace
}  // namespace veltrane
