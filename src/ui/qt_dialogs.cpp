#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "ui/display_text.h"
#include "ui/qt_text.h"

namespace velt::ui {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQtButton(Answer answer) {
  switch (answer) {
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
    case Answer::Ok:
      break;
  }
  return QMessageBox::Ok;
}

// The answer of a box closed without a button: what Escape means for its buttons.
Answer ClosedAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return Answer::Ok;
    case MessageButtons::YesNo:
      return Answer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      break;
  }
  return Answer::Cancel;
}

std::optional<Text> ChosenPath(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  return ToText(files.front());
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(ToQString(request.title));
  if (!request.filters.empty()) dialog.setNameFilter(QtFileFilter(request.filters));
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
}

}  // namespace

QString QtFileFilter(const std::vector<std::pair<Text, Text>>& filters) {
  QStringList entries;
  for (const auto& [name, pattern] : filters) {
    const QString patterns =
        ToQString(pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    const QString shownName = ToQString(name).trimmed();
    const QString suffix = QLatin1Char('(') + patterns + QLatin1Char(')');
    entries << (shownName.endsWith(suffix) ? shownName : shownName + QLatin1Char(' ') + suffix);
  }
  return entries.join(QLatin1String(";;"));
}

QWidget* QtDialogs::Owner() const {
  // The window the user works in asked (the Settings window's buttons raise
  // messages too): the dialog is centred over it and closes with it.
  QWidget* active = QApplication::activeWindow();
  if (active != nullptr && active->isVisible()) return active;
  return parent_;
}

Answer QtDialogs::Message(const MessageRequest& request) {
  QMessageBox box(ToQtIcon(request.icon), ToQString(request.title), DisplayText(request.text),
                  ToQtButtons(request.buttons), Owner());
  box.setTextFormat(Qt::PlainText);
  // QMessageBox would otherwise fall back on the application name.
  box.setWindowTitle(ToQString(request.title));
  box.setDefaultButton(ToQtButton(request.DefaultAnswer()));
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return ClosedAnswer(request.buttons);
  }
}

std::optional<Text> QtDialogs::InputBox(const InputRequest& request) {
  QInputDialog dialog(Owner());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(ToQString(request.title));
  dialog.setLabelText(DisplayText(request.prompt));
  dialog.setTextValue(ToQString(request.defaultText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToText(dialog.textValue());
}

std::optional<Text> QtDialogs::OpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(Owner());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Without mustExist a new name may be typed (the output file is chosen so).
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  Prepare(dialog, request);
  return ChosenPath(dialog);
}

std::optional<Text> QtDialogs::SaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(Owner());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  Prepare(dialog, request);
  return ChosenPath(dialog);
}

std::optional<Text> QtDialogs::BrowseFolder(const Text& title) {
  const QString folder = QFileDialog::getExistingDirectory(Owner(), ToQString(title), QString(),
                                                           QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return std::nullopt;
  return ToText(folder);
}

}  // namespace velt::ui
