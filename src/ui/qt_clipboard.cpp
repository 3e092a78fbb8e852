#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/qt_text.h"

namespace velt::ui {

Text QtClipboard::GetText() {
  return ToText(QGuiApplication::clipboard()->text());
}

void QtClipboard::SetText(const Text& text) {
  QGuiApplication::clipboard()->setText(ToQString(text));
}

void QtClipboard::Clear() {
  QGuiApplication::clipboard()->clear();
}

}  // namespace velt::ui
