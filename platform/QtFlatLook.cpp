#include "platform/QtFlatLook.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace veltrane {
namespace {

// The name of the style the application started with: the platform's look.
QString PlatformStyleName() {
  static const QString name = [] {
    const QStyle* style = QApplication::style();
    if (const auto* flat = dynamic_cast<const FlatStyle*>(style)) style = flat->baseStyle();
    return style->name();
  }();
  return name;
}

QColor Blend(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                          static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                          static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

}  // namespace

QColor FlatFrameColour(int scheme) {
  switch (scheme) {
    case 2: return QColor(164, 185, 127);
    case 3: return QColor(198, 196, 215);
    default: return QColor(123, 158, 189);
  }
}

QColor DisabledFrameColour(const QColor& face) {
  return QColor(std::max(face.red() - 0x20, 0), std::max(face.green() - 0x20, 0), std::max(face.blue() - 0x20, 0));
}

FlatStyle::FlatStyle(int scheme, QStyle* base) : QProxyStyle(base), scheme_(scheme) {}

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton:
    case PE_FrameGroupBox:
    case PE_FrameLineEdit:
    case PE_PanelLineEdit:
    case PE_PanelButtonTool:
      break;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
  }
  const QColor face = option->palette.color(QPalette::Button);
  const bool enabled = option->state & State_Enabled;
  const QColor frame = enabled ? FlatFrameColour(scheme_) : DisabledFrameColour(face);
  const bool pressed = option->state & (State_Sunken | State_On);
  const QRect r = option->rect.adjusted(0, 0, -1, -1);

  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  // Shaded face: white toward a tint of the frame colour; pressed shades the other way.
  const bool indicator = element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton;
  if (element != PE_FrameGroupBox && element != PE_FrameLineEdit) {
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    const QColor light = indicator ? QColor(Qt::white) : Blend(face, Qt::white, 0.7);
    const QColor tint = Blend(face, FlatFrameColour(scheme_), enabled ? 0.25 : 0.0);
    shade.setColorAt(0, pressed && !indicator ? tint : light);
    shade.setColorAt(1, pressed && !indicator ? light : tint);
    painter->fillRect(r.adjusted(1, 1, 0, 0), shade);
  }
  painter->setBrush(Qt::NoBrush);
  painter->setPen(frame);
  painter->drawRect(r);
  painter->setPen(face);
  painter->drawRect(r.adjusted(1, 1, -1, -1));
  if (indicator && (option->state & State_On)) {
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(enabled ? FlatFrameColour(scheme_).darker(160) : frame, 2));
    const QRectF b = QRectF(r).adjusted(3, 3, -3, -3);
    if (element == PE_IndicatorRadioButton) {
      painter->setBrush(painter->pen().color());
      painter->drawEllipse(b.adjusted(1, 1, -1, -1));
    } else {
      painter->drawPolyline(QPolygonF({QPointF(b.left(), b.center().y()), QPointF(b.center().x() - 1, b.bottom()),
                                       QPointF(b.right(), b.top())}));
    }
  }
  painter->restore();
}

QStyle* CreatePlatformStyle() { return QStyleFactory::create(PlatformStyleName()); }

bool ApplyFlatLook(int scheme) {
  (void)PlatformStyleName();  // remember the platform's look before the first change
  if (scheme >= 1 && scheme <= 3) {
    QApplication::setStyle(new FlatStyle(scheme, CreatePlatformStyle()));
    return true;
  }
  QApplication::setStyle(CreatePlatformStyle());
  return false;
}

}  // namespace veltrane
