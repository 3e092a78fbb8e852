// Conversions between the engine's 16-bit text and QString (both UTF-16).
#pragma once

#include <QString>

#include "text/text.h"

namespace velt::ui {

inline QString ToQString(TextView text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline Text ToText(const QString& text) {
  return text.toStdU16String();
}

// A button caption shown literally: "&" is not a mnemonic marker.
inline QString LiteralButtonCaption(const QString& caption) {
  QString escaped = caption;
  return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

inline QString ButtonCaptionText(const QString& buttonText) {
  QString plain = buttonText;
  return plain.replace(QLatin1String("&&"), QLatin1String("&"));
}

}  // namespace velt::ui
