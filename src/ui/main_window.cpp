#include "ui/main_window.h"

#include <QPlainTextEdit>

namespace velt::ui {

MainWindow::MainWindow(const UiTextTable& texts, QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromStdU16String(texts.UIText(1)));
  auto* output = new QPlainTextEdit(this);
  output->setObjectName("txbOutput");
  output->setReadOnly(true);
  setCentralWidget(output);
  resize(900, 600);
}

}  // namespace velt::ui
