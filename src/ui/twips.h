// Twips, the unit of the program's layout rules: 1440 twips to the inch, so
// 15 twips are one pixel at 96 dpi; scaled by the widget's logical DPI.
#pragma once

class QWidget;

namespace velt::ui {

int TwipsToPixels(int twips, const QWidget* widget);
int PixelsToTwips(int pixels, const QWidget* widget);

}  // namespace velt::ui
