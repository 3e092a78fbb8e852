// Small helpers both windows use to name their controls and to show values
// without raising the signals of a user change.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>

#include "text/text.h"
#include "ui/qt_text.h"

namespace velt::ui {

// The name of element `index` of a control array: "name_index".
inline QString Element(const char* name, int index) {
  return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

template <typename Widget>
Widget* Named(Widget* widget, const QString& name, const QString& tooltip = {}) {
  widget->setObjectName(name);
  if (!tooltip.isEmpty()) widget->setToolTip(tooltip);
  return widget;
}

inline void SetChecked(QAbstractButton* button, bool checked) {
  const QSignalBlocker blocker(button);
  button->setChecked(checked);
}

inline void SetIndex(QComboBox* list, int index) {
  const QSignalBlocker blocker(list);
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

inline void SetText(QLineEdit* box, const Text& text) {
  const QString shown = ToQString(text);
  if (box->text() == shown) return;
  const QSignalBlocker blocker(box);
  box->setText(shown);
}

}  // namespace velt::ui
