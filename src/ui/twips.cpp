#include "ui/twips.h"

#include <QWidget>
#include <QtMath>

namespace velt::ui {

int TwipsToPixels(int twips, const QWidget* widget) {
  constexpr double kTwipsPerInch = 1440.0;
  const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
  return qRound(twips * dpi / kTwipsPerInch);
}

int PixelsToTwips(int pixels, const QWidget* widget) {
  constexpr double kTwipsPerInch = 1440.0;
  const int dpi = widget != nullptr ? widget->logicalDpiY() : 96;
  return qRound(pixels * kTwipsPerInch / dpi);
}

}  // namespace velt::ui
