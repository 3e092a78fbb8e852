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
      lblFile_(new QLabel(this)),
      optLoadThisFile_(Option(this, "optLoadThisFile", "Load this file")),
      optRemoveThisFile_(Option(this, "optRemoveThisFile", "Remove this file from the list")),
      optCancel_(Option(this, "optCancel", "Cancel")),
      cmdClose_(new QPushButton(QStringLiteral("Close"), this)) {
  setObjectName("frmLoadRemove");
  setWindowTitle(QStringLiteral("Load or remove this file"));
  setModal(true);
  setFont(QFont(QStringLiteral("Arial"), 9));
  if (parent != nullptr) setWindowIcon(parent->window()->windowIcon());

  lblFile_->setObjectName("lblFile");
  lblFile_->setTextFormat(Qt::PlainText);
  lblFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cmdClose_->setObjectName("cmdClose");
  cmdClose_->setDefault(true);

  for (QRadioButton* option : {optLoadThisFile_, optRemoveThisFile_, optCancel_}) {
    connect(option, &QRadioButton::clicked, this, [this] { cmdClose_->setFocus(); });
  }
  connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdClose_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblFile_);
  layout->addSpacing(lblFile_->fontMetrics().height() / 2);
  layout->addWidget(optLoadThisFile_);
  layout->addWidget(optRemoveThisFile_);
  layout->addWidget(optCancel_);
  layout->addLayout(buttons);
  setTabOrder(optLoadThisFile_, optRemoveThisFile_);
  setTabOrder(optRemoveThisFile_, optCancel_);
  setTabOrder(optCancel_, cmdClose_);
}

LoadRemoveChoice LoadRemoveDialog::Ask(const QString& path, QPoint topLeft) {
  lblFile_->setText(path);
  optCancel_->setChecked(true);
  // Wide enough for an ordinary path on one line; longer ones wrap.
  const int pathWidth = lblFile_->fontMetrics().horizontalAdvance(path);
  lblFile_->setWordWrap(pathWidth > kWidestPath);
  const QMargins margins = layout()->contentsMargins();
  setMinimumWidth(std::max(kNarrowest, std::min(pathWidth, kWidestPath) + margins.left() +
                                           margins.right() + kLabelSlack));
  adjustSize();
  move(topLeft);
  cmdClose_->setFocus();
  exec();
  return Choice();
}

LoadRemoveChoice LoadRemoveDialog::Choice() const {
  if (optLoadThisFile_->isChecked()) return LoadRemoveChoice::Load;
  if (optRemoveThisFile_->isChecked()) return LoadRemoveChoice::Remove;
  return LoadRemoveChoice::Cancel;
}

void LoadRemoveDialog::reject() {
  optCancel_->setChecked(true);
  QDialog::reject();
}

}  // namespace velt::ui
