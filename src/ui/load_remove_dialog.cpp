#include "ui/load_remove_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velt::ui {
namespace {

// Dialog widths in pixels: never narrower than the options need, never wider
// than this for a path (longer paths wrap), plus a little slack for rounding.
constexpr int kNarrowest = 320;
constexpr int kWidestPath = 640;
constexpr int kLabelSlack = 4;

QRadioButton* Option(QWidget* parent, const char* name, const char* caption) {
  auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
  option->setObjectName(QString::fromLatin1(name));
  return option;
}

}  // namespace

LoadRemoveDialog::LoadRemoveDialog(QWidget* parent)
    : QDialog(parent),
      fileLabel_(new QLabel(this)),
      loadOption_(Option(this, "optLoadThisFile", "Load this file")),
      removeOption_(Option(this, "optRemoveThisFile", "Remove this file from the list")),
      cancelOption_(Option(this, "optCancel", "Cancel")),
      closeButton_(new QPushButton(QStringLiteral("Close"), this)) {
  setObjectName("frmLoadRemove");
  setWindowTitle(QStringLiteral("Load or remove this file"));
  setModal(true);
  setFont(QFont(QStringLiteral("Arial"), 9));
  if (parent != nullptr) setWindowIcon(parent->window()->windowIcon());

  fileLabel_->setObjectName("lblFile");
  fileLabel_->setTextFormat(Qt::PlainText);
  fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  closeButton_->setObjectName("cmdClose");
  closeButton_->setDefault(true);

  for (QRadioButton* option : {loadOption_, removeOption_, cancelOption_}) {
    connect(option, &QRadioButton::clicked, this, [this] { closeButton_->setFocus(); });
  }
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileLabel_);
  layout->addSpacing(fileLabel_->fontMetrics().height() / 2);
  layout->addWidget(loadOption_);
  layout->addWidget(removeOption_);
  layout->addWidget(cancelOption_);
  layout->addLayout(buttons);
  setTabOrder(loadOption_, removeOption_);
  setTabOrder(removeOption_, cancelOption_);
  setTabOrder(cancelOption_, closeButton_);
}

LoadRemoveChoice LoadRemoveDialog::Ask(const QString& path, QPoint topLeft) {
  fileLabel_->setText(path);
  cancelOption_->setChecked(true);
  // Wide enough for an ordinary path on one line; longer ones wrap.
  const int pathWidth = fileLabel_->fontMetrics().horizontalAdvance(path);
  fileLabel_->setWordWrap(pathWidth > kWidestPath);
  const QMargins margins = layout()->contentsMargins();
  setMinimumWidth(std::max(kNarrowest, std::min(pathWidth, kWidestPath) + margins.left() +
                                           margins.right() + kLabelSlack));
  adjustSize();
  move(topLeft);
  closeButton_->setFocus();
  exec();
  return Choice();
}

LoadRemoveChoice LoadRemoveDialog::Choice() const {
  if (loadOption_->isChecked()) return LoadRemoveChoice::Load;
  if (removeOption_->isChecked()) return LoadRemoveChoice::Remove;
  return LoadRemoveChoice::Cancel;
}

void LoadRemoveDialog::reject() {
  cancelOption_->setChecked(true);
  QDialog::reject();
}

}  // namespace velt::ui
