// frmHelp: the help window. It points to the user manual and shows the help
// paragraphs of the program text table. It is created on first use, placed
// beside the main window's text window, and afterwards only hidden and shown.
#pragma once

#include <QWidget>

#include "settings/ui_text_table.h"

class QPlainTextEdit;
class QPushButton;

namespace velt::ui {

// The help text (lines end with CR LF): the manual's address, then the help
// paragraphs of the UI text table.
Text HelpText(const UiTextTable& texts, TextView manualAddress);

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(const UiTextTable& texts, TextView manualAddress, QWidget* mainWindow);

  // The Help button: restores the window when it is minimised, otherwise shows
  // it (the first time at its place beside the main window).
  void Open();

 signals:
  // The window was hidden with its Close button.
  void closed();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceBesideMainWindow();

  QWidget* mainWindow_;
  QPlainTextEdit* helpText_;
  QPushButton* closeButton_;
  bool placed_ = false;
};

}  // namespace velt::ui
