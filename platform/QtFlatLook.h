// QtFlatLook.h: the flat look of the window's buttons and check boxes.
//
// The look replaces the platform's drawing of push buttons, check boxes,
// radio buttons, group boxes, edit boxes, combo boxes and spin boxes with a
// flat one: a one-pixel frame in the scheme's frame colour, an inner frame in
// the face colour, and a shaded face. A disabled control's frame is the face
// colour less 0x202020. It covers the UI thread's windows (the application
// style); message boxes shown for workers keep the platform's look.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace veltrane {

// Scheme 1: 123,158,189; scheme 2: 164,185,127; scheme 3: 198,196,215.
QColor FlatFrameColour(int scheme);

// The frame colour of a disabled control: face less 0x202020 (never below 0).
QColor DisabledFrameColour(const QColor& face);

class FlatStyle : public QProxyStyle {
 public:
  // base: the platform's style, which draws everything the look leaves alone.
  FlatStyle(int scheme, QStyle* base);

  int scheme() const { return scheme_; }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  int scheme_;
};

// With 1 <= scheme <= 3, installs the look (again) on every window of the UI
// thread and on those created from now on, and returns true. Any other scheme
// removes it and gives every window the platform's look back; returns false.
// UI thread only.
bool ApplyFlatLook(int scheme);

// A new instance of the platform's own style (without the look), for windows
// that must not get it.
QStyle* CreatePlatformStyle();

}  // namespace veltrane
