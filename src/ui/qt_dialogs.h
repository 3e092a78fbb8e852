// The engine's modal dialogs as Qt dialogs: QMessageBox, QInputDialog,
// QFileDialog. Each dialog is owned by the active window of the program, or
// by the parent window set with SetParent when none of its windows is active.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "text/text.h"

namespace velt::ui {

// The filter pairs of a file dialog in Qt's syntax: "Name (*.a *.b)" entries
// separated by ";;". A name that already ends with its patterns in parentheses
// is kept as it is; ";" between patterns becomes a space.
QString QtFileFilter(const std::vector<std::pair<Text, Text>>& filters);

class QtDialogs final : public Dialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer Message(const MessageRequest& request) override;
  std::optional<Text> InputBox(const InputRequest& request) override;
  std::optional<Text> OpenFile(const FileDialogRequest& request) override;
  std::optional<Text> SaveFile(const FileDialogRequest& request) override;
  std::optional<Text> BrowseFolder(const Text& title) override;

 private:
  QWidget* Owner() const;

  QPointer<QWidget> parent_;
};

}  // namespace velt::ui
