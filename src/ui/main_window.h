// The main window frmMain.
#pragma once

#include <QMainWindow>

#include "settings/ui_text_table.h"

namespace velt::ui {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const UiTextTable& texts, QWidget* parent = nullptr);
};

}  // namespace velt::ui
