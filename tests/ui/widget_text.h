// What a test reads off a widget as the user sees it.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

#include "ui/display_text.h"

namespace velt::testing {

// The caption of a button, label or frame, with a button's "&&" shown as "&".
inline QString Caption(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return ui::ButtonCaptionText(button->text());
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

inline QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i)
    items << list->itemText(i);
  return items;
}

}  // namespace velt::testing
