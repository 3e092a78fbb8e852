// frmLoadRemove: asks what to do with the words-to-ignore file the user picked
// from the list: load it, remove it from the list, or nothing. "Cancel" is
// preselected and "Close" has the focus, so Enter changes nothing.
#pragma once

#include <QDialog>

#include "engine/settings_window_controller.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace velt::ui {

class LoadRemoveDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit LoadRemoveDialog(QWidget* parent = nullptr);

  // Shows the dialog modally for `path`, its top-left corner at `topLeft`, and
  // returns the option selected when it was closed.
  LoadRemoveChoice Ask(const QString& path, QPoint topLeft);

  // The option selected now.
  LoadRemoveChoice Choice() const;

 protected:
  // Closing the window any other way than with "Close" changes nothing.
  void reject() override;

 private:
  QLabel* fileLabel_;
  QRadioButton* loadOption_;
  QRadioButton* removeOption_;
  QRadioButton* cancelOption_;
  QPushButton* closeButton_;
};

}  // namespace velt::ui
